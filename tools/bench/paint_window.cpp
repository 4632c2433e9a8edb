// Paint benchmark (a Windows program, run under Wine by tools/bench/windows-bench paint): the
// installer-sized window (600 × 370) with a start page built by code — a JPEG background, rows of
// nine-grid buttons and coloured label cells — painted through WM_PAINT; prints microseconds per
// full repaint, per partial repaint of one label, and for the tree alone into a bitmap.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/portable/zip_builder.h"
#include "tests/windows/managed_window.h"
#include "tools/bench/bench_images.h"
#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/paint_surface.h"

namespace {

Tovik::CControlUI* StartPage() {
    auto* root = new Tovik::CVerticalLayoutUI;
    root->ApplyAttributeString(
        L"bkimage=\"file='bg.jpg' source='0,0,600,370'\" inset=\"15,40,15,10\" childpadding=\"8\"");
    for (int r = 0; r < 6; ++r) {
        auto* row = new Tovik::CHorizontalLayoutUI;
        row->ApplyAttributeString(L"height=\"40\" childpadding=\"10\"");
        for (int c = 0; c < 4; ++c) {
            auto* cell = new Tovik::CControlUI;
            cell->ApplyAttributeString(
                c % 2 == 0 ? L"width=\"120\" bkimage=\"file='btn.png' source='0,0,100,40' corner='4,4,4,4'\""
                           : L"width=\"75\" bkcolor=\"#FFEEEEEE\" bordercolor=\"#FF999999\" bordersize=\"1\"");
            row->AddItem(cell);
        }
        root->AddItem(row);
    }
    return root;
}

template <typename Paint>
double MicrosPerPaint(int count, Paint paint) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) paint();
    GdiFlush();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / count;
}

}  // namespace

int main() {
    constexpr int kPaints = 500;
    const std::string archive = TestZip::Build({{"bg.jpg", BenchImages::Picture(600, 370, true), TestZip::kStored},
                                                {"btn.png", BenchImages::Picture(100, 120, false)}})
                                    .bytes;
    Tovik::CPaintManagerUI::SetResourceZipFromMemory(archive.data(), static_cast<uint32_t>(archive.size()), nullptr);
    TestSupport::ManagedWindow window({0, 0});
    SetWindowPos(window.get(), nullptr, 0, 0, 600, 370, SWP_NOZORDER | SWP_NOACTIVATE);
    window.manager().AttachRoot(StartPage());
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    window.Pump(200, [] { return false; });
    const RECT label = {160, 40, 235, 58};
    const double full = MicrosPerPaint(kPaints, [&] {
        InvalidateRect(window.get(), nullptr, FALSE);
        UpdateWindow(window.get());
    });
    const double partial = MicrosPerPaint(kPaints, [&] {
        InvalidateRect(window.get(), &label, FALSE);
        UpdateWindow(window.get());
    });
    // The share of the tree itself: painted into a bitmap of its own, no window involved.
    RECT client;
    GetClientRect(window.get(), &client);
    Tovik::CPaintSurface surface(window.manager().GetPaintDC(), client.right, client.bottom);
    const double tree =
        MicrosPerPaint(kPaints, [&] { window.manager().GetRoot()->Paint(surface.dc(), client, nullptr); });
    std::printf(
        "600x370 start page through WM_PAINT: full %.1f us, one label %.1f us per paint; the tree alone %.1f us "
        "(%d paints each)\n",
        full, partial, tree, kPaints);
    return 0;
}
