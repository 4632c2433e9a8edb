// Paint benchmark (a Windows program, run under Wine by tools/bench/windows-bench paint): the
// installer-sized window (600 × 370) with a start page built by code from images, as the
// installer's skin builds it — painted through WM_PAINT; prints microseconds per
// full repaint, per partial repaint of one label, and for the tree alone into a bitmap.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/windows/managed_window.h"
#include "tools/bench/bench_images.h"
#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/paint_surface.h"

namespace {

// Built like the installer's skin: a white root, a title row with the close button, and the
// start page — its background cut from a JPEG, the option row, the consent row and the download
// button — all drawn from images.
Tovik::CControlUI* Cell(const wchar_t* attributes) {
    auto* cell = new Tovik::CControlUI;
    cell->ApplyAttributeString(attributes);
    return cell;
}

Tovik::CHorizontalLayoutUI* Row(const wchar_t* attributes) {
    auto* row = new Tovik::CHorizontalLayoutUI;
    row->ApplyAttributeString(attributes);
    return row;
}

Tovik::CControlUI* StartPage() {
    auto* root = new Tovik::CVerticalLayoutUI;
    root->ApplyAttributeString(L"bkcolor=\"#FFFFFFFF\" bkimage=\"file='bg.jpg' source='0,0,600,380'\"");
    auto* title = Row(L"height=\"20\" padding=\"0,10\"");
    title->AddItem(Cell(L""));
    title->AddItem(Cell(L"width=\"20\" bkimage=\"file='btn.png' source='0,0,27,27'\""));
    title->AddItem(Cell(L"width=\"10\""));
    root->AddItem(title);
    auto* page = new Tovik::CVerticalLayoutUI;
    page->ApplyAttributeString(L"height=\"342\" bkimage=\"file='bg.jpg' source='0,38,600,380'\"");
    auto* options = Row(L"height=\"16\" padding=\"174,158\"");
    for (int i = 0; i < 3; ++i) options->AddItem(Cell(L"width=\"70\" bkimage=\"file='btn.png' source='0,0,70,16'\""));
    page->AddItem(options);
    auto* consent = Row(L"height=\"24\" padding=\"15,45\"");
    consent->AddItem(Cell(L"width=\"140\" bkimage=\"file='btn.png' source='0,0,100,24'\""));
    consent->AddItem(Cell(L"width=\"110\" bkimage=\"file='btn.png' source='0,24,100,48'\""));
    page->AddItem(consent);
    auto* download = Row(L"height=\"52\" padding=\"201,18\"");
    download->AddItem(Cell(L"width=\"192\" bkimage=\"file='bg.jpg' source='0,0,192,52'\""));
    page->AddItem(download);
    root->AddItem(page);
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
    const std::string archive = BenchImages::ServeSkinImages(600, 380);
    TestSupport::ManagedWindow window({0, 0});
    SetWindowPos(window.get(), nullptr, 0, 0, 600, 370, SWP_NOZORDER | SWP_NOACTIVATE);
    window.manager().AttachRoot(StartPage());
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    window.Pump(200, [] { return false; });
    const RECT label = {15, 130, 155, 154};  // where the consent option sits
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
