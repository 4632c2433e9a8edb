// A skinned window for the end-to-end checks of the window base: a skin from an archive in
// memory with a caption, a size box and a close button. Exit code 40 + the close result (41 for
// "closebtn"); 1 after the skin-load failure box when started with a skin name that is missing.
// Prints the time from process creation to the end of the first WM_PAINT.
//
//   skin_window.exe [SKIN_FILE_NAME]
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/portable/zip_builder.h"
#include "tests/windows/test_png.h"
#include "ui/controls/control_ui.h"
#include "ui/core/window_impl_base.h"

namespace {

constexpr char kSkin[] = R"(<Window size="320,200" caption="0,0,0,40" sizebox="6,6,6,6">
  <VerticalLayout bkcolor="#FF2060A0">
    <HorizontalLayout height="40" bkcolor="#FF203040">
      <Control/>
      <Clicker name="closebtn" width="40" bkcolor="#FFC82020"/>
    </HorizontalLayout>
    <Control bkimage="green.png"/>
  </VerticalLayout>
</Window>)";

// Sends "click" when the pointer is released over it, as a button would.
class Clicker : public Tovik::CControlUI {
public:
    const wchar_t* GetTypeName() const override { return L"ButtonUI"; }
    void HandleEvent(Tovik::TInputEventUI& event) override {
        if (event.type == Tovik::EventButtonUp && PtInRect(&GetPosition(), event.mouse)) {
            GetPaintManager()->SendNotify(this, L"click");
            return;
        }
        Tovik::CControlUI::HandleEvent(event);
    }
};

double MillisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

class SkinWindow : public Tovik::WindowImplBase {
public:
    explicit SkinWindow(std::wstring skin) : skin_(std::move(skin)) {}

    const wchar_t* GetWindowClassName() const override { return L"CorvanaSkinWindow"; }
    Tovik::CStringUI GetSkinFileName() override { return Tovik::CStringUI(skin_.c_str()); }
    Tovik::CControlUI* CreateCustomControl(const wchar_t* name) override {
        return std::wstring(name) == L"Clicker" ? new Clicker : nullptr;
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CLOSE) closeResult_ = static_cast<int>(wParam);
        const LRESULT result = WindowImplBase::HandleMessage(message, wParam, lParam);
        if (message == WM_PAINT && !painted_) {
            painted_ = true;
            std::printf("start-up to the end of the first paint: %.1f ms\n", MillisecondsSinceProcessStart());
            std::fflush(stdout);
        }
        return result;
    }
    void OnFinalMessage(HWND window) override {
        WindowImplBase::OnFinalMessage(window);
        PostQuitMessage(0);
    }
    int ExitCode() const { return 40 + closeResult_; }

private:
    std::wstring skin_;
    bool painted_ = false;
    int closeResult_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const std::string archive =
        TestZip::Build({{"skin.xml", kSkin}, {"green.png", TestPng::Encode(1, 1, {30, 170, 60, 255})}}).bytes;
    Tovik::CPaintManagerUI::SetModuleInstance(instance);
    Tovik::CPaintManagerUI::SetResourceZipFromMemory(archive.data(), static_cast<uint32_t>(archive.size()), nullptr);
    SkinWindow window(*commandLine != 0 ? commandLine : L"skin.xml");
    if (window.Create(nullptr, L"Corvana skin window", WS_POPUP, 0, 0, 0, 0, 0) == nullptr) return 2;
    window.CenterWindow();
    window.ShowWindow(true, true);
    Tovik::CPaintManagerUI::RunMessageLoop();
    return window.ExitCode();
}
