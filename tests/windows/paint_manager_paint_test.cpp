// Window painting on a real, shown window under Wine: the tree through WM_PAINT, black without a
// root, "windowinit" once before the first "windowsize", partial layout, a postponed focus move,
// a splitter removed mid-drag, the layered setter without a root, and the captures.
#include "ui/core/paint_manager_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/skin_render.h"

using namespace Tovik;
using TestSupport::ManagedWindow;
using TestSupport::RecordingControl;

namespace {

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override { types.push_back(msg.type.GetData()); }
    std::vector<std::wstring> types;
};

// Shows the window and lets every paint and queued notification happen.
void PaintNow(const ManagedWindow& window) {
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    window.Pump(200, [] { return false; });
}

COLORREF ScreenPixel(const ManagedWindow& window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window.get(), &point);
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

CVerticalLayoutUI* ColouredRoot(const wchar_t* colour) {
    auto* root = new CVerticalLayoutUI;
    root->SetAttribute(L"bkcolor", colour);
    return root;
}

TEST(WindowPainting, WithoutARootTheWindowIsBlackWithOneTheTreeIsPaintedAndShowDirtyFramesTheArea) {
    ManagedWindow window({1050, 50}, true);  // the only test that reads the screen: a place of its own
    PaintNow(window);
    EXPECT_EQ(ScreenPixel(window, 50, 50), RGB(0, 0, 0));
    window.manager().AttachRoot(ColouredRoot(L"#FFFF0000"));
    window.manager().Invalidate();
    PaintNow(window);
    EXPECT_EQ(ScreenPixel(window, 50, 50), RGB(255, 0, 0));
    // "showdirty": the repainted area gets a red frame of one pixel.
    window.manager().GetRoot()->SetAttribute(L"bkcolor", L"#FF00FF00");
    PaintNow(window);
    window.manager().SetShowUpdateRect(true);
    const RECT area = {20, 20, 60, 60};
    window.manager().Invalidate(area);
    PaintNow(window);
    EXPECT_EQ(ScreenPixel(window, 20, 40), RGB(220, 0, 0));
    EXPECT_EQ(ScreenPixel(window, 40, 40), RGB(0, 255, 0));
    EXPECT_EQ(ScreenPixel(window, 10, 10), RGB(0, 255, 0));
}

TEST(WindowPainting, WindowInitOnceBeforeTheFirstWindowSize) {
    ManagedWindow window;
    Recorder recorder;
    window.manager().AddNotifier(&recorder);
    window.manager().AttachRoot(ColouredRoot(L"#FF00FF00"));
    PaintNow(window);
    ASSERT_GE(recorder.types.size(), 2u);
    EXPECT_EQ(recorder.types[0], L"windowinit");
    EXPECT_EQ(recorder.types[1], L"windowsize");
    recorder.types.clear();
    window.manager().Invalidate();
    PaintNow(window);  // nothing to lay out: no notification
    EXPECT_TRUE(recorder.types.empty());
    window.manager().GetRoot()->RequestLayout();
    PaintNow(window);
    EXPECT_EQ(recorder.types, std::vector<std::wstring>{L"windowsize"});
    window.manager().RemoveNotifier(&recorder);
}

// Only the pending container is laid out again; its sibling's children are not moved.
TEST(WindowPainting, APartialLayoutRepositionsOnlyThePendingSubtree) {
    ManagedWindow window;
    auto* root = new CVerticalLayoutUI;
    auto* pending = new CVerticalLayoutUI;
    auto* settled = new CVerticalLayoutUI;
    auto* inPending = new CControlUI;
    auto* inSettled = new CControlUI;
    pending->AddItem(inPending);
    settled->AddItem(inSettled);
    root->AddItem(pending);
    root->AddItem(settled);
    window.manager().AttachRoot(root);
    PaintNow(window);
    int pendingMoves = 0, settledMoves = 0;
    inPending->SizeSubscribers.Add([&pendingMoves](void*) { return ++pendingMoves, true; });
    inSettled->SizeSubscribers.Add([&settledMoves](void*) { return ++settledMoves, true; });
    pending->RequestLayout();
    PaintNow(window);
    EXPECT_GT(pendingMoves, 0);
    EXPECT_EQ(settledMoves, 0);
}

// AttachRoot asks for the first tab stop; the Tab that waits for the layout gets its own paint.
TEST(WindowPainting, APostponedFocusMoveHappensAfterTheLayout) {
    ManagedWindow window;
    auto* root = new CVerticalLayoutUI;
    auto* stop = new RecordingControl(FlagTabStop);
    root->AddItem(stop);
    window.manager().AttachRoot(root);
    PaintNow(window);
    EXPECT_EQ(window.manager().GetFocusControl(), stop);
}

TEST(WindowPainting, FocusAfterLayoutLandsOnTheControlAtTheNextPaint) {
    ManagedWindow window;
    auto* root = new CVerticalLayoutUI;
    RecordingControl* stops[3] = {new RecordingControl(FlagTabStop), new RecordingControl(FlagTabStop),
                                  new RecordingControl(FlagTabStop)};
    for (RecordingControl* stop : stops) root->AddItem(stop);
    window.manager().AttachRoot(root);
    PaintNow(window);
    window.manager().SetFocusAfterLayout(stops[1]);
    EXPECT_EQ(window.manager().GetFocusControl(), stops[0]);  // the tab stop before it, for now
    PaintNow(window);
    EXPECT_EQ(window.manager().GetFocusControl(), stops[1]);
}

// Once the layout is done, Tab moves forward through the tab stops and wraps to the first.
TEST(WindowPainting, AfterTheLayoutTabWrapsForward) {
    ManagedWindow window;
    auto* root = new CVerticalLayoutUI;
    auto* first = new RecordingControl(FlagTabStop);
    auto* second = new RecordingControl(FlagTabStop);
    root->AddItem(first);
    root->AddItem(second);
    window.manager().AttachRoot(root);
    PaintNow(window);
    ASSERT_EQ(window.manager().GetFocusControl(), first);
    MSG tab = {};
    tab.hwnd = window.get();
    tab.message = WM_KEYDOWN;
    tab.wParam = VK_TAB;
    EXPECT_TRUE(CPaintManagerUI::TranslateUIMessage(&tab));
    EXPECT_EQ(window.manager().GetFocusControl(), second);
    EXPECT_TRUE(CPaintManagerUI::TranslateUIMessage(&tab));
    EXPECT_EQ(window.manager().GetFocusControl(), first);
}

// A splitter deleted while it drags is dropped from the overlays, so the next paint skips it.
TEST(WindowPainting, ASplitterRemovedMidDragIsNotPaintedAfterwards) {
    ManagedWindow window;
    auto* root = new CVerticalLayoutUI;
    auto* panel = new CVerticalLayoutUI;
    panel->ApplyAttributeString(L"sepheight=\"4\" height=\"50\"");
    root->AddItem(panel);
    window.manager().AttachRoot(root);
    PaintNow(window);
    TInputEventUI press;
    press.type = EventButtonDown;
    press.mouse = {50, 48};
    panel->HandleEvent(press);
    ASSERT_EQ(window.manager().GetPostPaintCount(), 1);
    root->SetDefersChildDeletion(false);
    root->RemoveItem(panel);
    EXPECT_EQ(window.manager().GetPostPaintCount(), 0);
    window.manager().Invalidate();
    PaintNow(window);
}

// A skin's window attributes come before its root: making the window layered then must not fail;
// the tree is pushed with UpdateLayeredWindow, also after a resize.
TEST(WindowPainting, TheLayeredSetterWithoutARootOnlyStoresTheFlag) {
    ManagedWindow window({1050, 300}, true);  // reads the screen: a place of its own
    window.manager().SetLayered(true);
    EXPECT_TRUE(window.manager().IsLayered());
    window.manager().AttachRoot(ColouredRoot(L"#FF0000FF"));
    PaintNow(window);
    EXPECT_NE(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(ScreenPixel(window, 50, 50), RGB(0, 0, 255));  // pushed by UpdateLayeredWindow
    RECT resized = {0, 0, 120, 90};
    SetWindowPos(window.get(), nullptr, 0, 0, resized.right, resized.bottom,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    PaintNow(window);  // the offscreen bitmap follows the new size
    EXPECT_EQ(ScreenPixel(window, 100, 80), RGB(0, 0, 255));
}

uint32_t DibPixel(HBITMAP bitmap, int x, int y) {
    DIBSECTION section = {};
    GetObjectW(bitmap, sizeof section, &section);
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    return bits[(section.dsBm.bmHeight - 1 - y) * section.dsBm.bmWidth + x] & 0xFFFFFF;
}

TEST(WindowCaptures, TheTreeOrAControlCutToTheRectangleAndTinted) {
    ManagedWindow window;
    auto* root = ColouredRoot(L"#FFFF0000");
    auto* child = new CControlUI;
    child->SetAttribute(L"bkcolor", L"#FF00FF00");
    child->SetFixedHeight(20);
    root->AddItem(child);
    window.manager().AttachRoot(root);
    PaintNow(window);
    const ScopedGdiObject<HBITMAP> whole(
        CSkinRender::CaptureWindowBitmap(&window.manager(), {0, 10, 50, 40}, nullptr, 0));
    ASSERT_NE(whole.get(), nullptr);
    EXPECT_EQ(DibPixel(whole.get(), 5, 2), 0x00FF00u);   // y 12: the child
    EXPECT_EQ(DibPixel(whole.get(), 5, 25), 0xFF0000u);  // y 35: the root
    const ScopedGdiObject<HBITMAP> tinted(
        CSkinRender::CaptureControlBitmap(&window.manager(), child, {0, 0, 10, 10}, 0xFF0000FF));
    ASSERT_NE(tinted.get(), nullptr);
    EXPECT_EQ(DibPixel(tinted.get(), 5, 5), 0x0000FFu);
    EXPECT_EQ(CSkinRender::CaptureWindowBitmap(nullptr, {0, 0, 1, 1}, nullptr, 0), nullptr);
}

}  // namespace
