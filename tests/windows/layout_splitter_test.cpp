// The layout splitter under Wine: the press-drag-release sequence, and one row per line of the
// state table above LayoutSplitter::HandleEvent.
#include "ui/controls/layout_splitter.h"

#include <gtest/gtest.h>

#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/paint_manager_ui.h"

using namespace Tovik;

namespace {

// Splitter rows: press on the band starts a drag (and registers the overlay), a move resizes
// within the limits, a release applies the new size; presses elsewhere pass through.
TEST(Splitter, PressDragRelease) {
    CPaintManagerUI manager;
    CHorizontalLayoutUI row;
    auto* panel = new CVerticalLayoutUI;
    panel->ApplyAttributeString(L"sepheight=\"4\" minheight=\"20\" maxheight=\"80\" height=\"50\"");
    row.AddItem(panel);
    row.AttachToManager(&manager, nullptr, false);
    manager.InitControlTree(&row, nullptr);
    row.SetPosition({0, 0, 100, 200}, false);
    panel->SetPosition({0, 0, 100, 50}, false);

    TInputEventUI event;
    event.type = EventButtonDown;
    event.mouse = {50, 10};  // not on the band
    panel->HandleEvent(event);
    EXPECT_EQ(manager.GetPostPaintCount(), 0);
    event.mouse = {50, 48};  // the band is 46..50
    panel->HandleEvent(event);
    EXPECT_EQ(manager.GetPostPaintCount(), 1);
    event.type = EventMouseMove;
    event.mouse = {50, 58};
    panel->HandleEvent(event);
    EXPECT_EQ(panel->GetFixedHeight(), 60);
    event.mouse = {50, 200};  // beyond the maximum: clamped
    panel->HandleEvent(event);
    EXPECT_EQ(panel->GetFixedHeight(), 80);
    event.type = EventButtonUp;
    panel->HandleEvent(event);
    EXPECT_EQ(manager.GetPostPaintCount(), 0);
    EXPECT_EQ(panel->GetPosition().bottom, 80);
    EXPECT_EQ(panel->GetInputFlags(), FlagSetCursor);
}

enum class Start { Idle, Dragging };

// One line of the state table: the state it starts from, the event, and what must follow.
struct SplitterRow {
    const char* line;
    Start start;
    int type;
    POINT mouse;
    bool enabled;
    bool taken;
    bool draggingAfter;
    int overlaysAfter;     // post-paint registrations: the overlay while dragging
    int fixedHeightAfter;  // the layout's stored height
    LONG bottomAfter;      // the layout's bottom edge
};

// The layout is 100 × 50 with a 4-pixel band at the bottom (46..50), limits 20..80; a drag that
// has started was pressed at y = 48.
constexpr POINT kOnBand = {50, 48};
constexpr POINT kOffBand = {50, 10};

const SplitterRow kSplitterRows[] = {
    {"any, button down on the band, enabled (from idle)", Start::Idle, EventButtonDown, kOnBand, true, true, true, 1,
     50, 50},
    {"any, button down on the band, enabled (again while dragging)", Start::Dragging, EventButtonDown, kOnBand, true,
     true, true, 2, 50, 50},  // the overlay is registered again
    {"any, button down off the band (idle)", Start::Idle, EventButtonDown, kOffBand, true, false, false, 0, 50, 50},
    {"any, button down, disabled (idle)", Start::Idle, EventButtonDown, kOnBand, false, false, false, 0, 50, 50},
    {"any, button down off the band (dragging)", Start::Dragging, EventButtonDown, kOffBand, true, false, true, 1, 50,
     50},
    {"idle, mouse move", Start::Idle, EventMouseMove, {50, 58}, true, false, false, 0, 50, 50},
    {"dragging, mouse move", Start::Dragging, EventMouseMove, {50, 58}, true, true, true, 1, 60, 50},
    {"idle, button up", Start::Idle, EventButtonUp, kOnBand, true, false, false, 0, 50, 50},
    {"dragging, button up", Start::Dragging, EventButtonUp, kOnBand, true, true, false, 0, 50, 50},
    {"any, set cursor on the band, enabled (idle)", Start::Idle, EventSetCursor, kOnBand, true, true, false, 0, 50, 50},
    {"any, set cursor on the band, enabled (dragging)", Start::Dragging, EventSetCursor, kOnBand, true, true, true, 1,
     50, 50},
    {"any, set cursor off the band (idle)", Start::Idle, EventSetCursor, kOffBand, true, false, false, 0, 50, 50},
};

TEST(Splitter, EachLineOfTheStateTable) {
    for (const SplitterRow& row : kSplitterRows) {
        SCOPED_TRACE(row.line);
        CPaintManagerUI manager;
        CHorizontalLayoutUI parent;
        auto* layout = new CVerticalLayoutUI;
        layout->ApplyAttributeString(L"minheight=\"20\" maxheight=\"80\" height=\"50\"");
        parent.AddItem(layout);
        manager.InitControlTree(&parent, nullptr);
        parent.SetPosition({0, 0, 100, 200}, false);
        layout->SetPosition({0, 0, 100, 50}, false);
        LayoutSplitter splitter(true);
        splitter.SetSize(4);
        TInputEventUI event;
        if (row.start == Start::Dragging) {
            event.type = EventButtonDown;
            event.mouse = kOnBand;
            ASSERT_TRUE(splitter.HandleEvent(*layout, event));
        }
        layout->SetEnabled(row.enabled);
        SetCursor(nullptr);
        event.type = row.type;
        event.mouse = row.mouse;
        EXPECT_EQ(splitter.HandleEvent(*layout, event), row.taken);
        EXPECT_EQ(splitter.IsDragging(), row.draggingAfter);
        EXPECT_EQ(manager.GetPostPaintCount(), row.overlaysAfter);
        EXPECT_EQ(layout->GetFixedHeight(), row.fixedHeightAfter);
        EXPECT_EQ(layout->GetPosition().bottom, row.bottomAfter);
        const bool resizeCursor = GetCursor() == LoadCursorW(nullptr, IDC_SIZENS);
        EXPECT_EQ(resizeCursor, row.type == EventSetCursor && row.taken);
    }
}

// With the overlay the parent is laid out once, at the button-up; live, at every move.
TEST(Splitter, OnlyALiveDragLaysTheParentOutWhileMoving) {
    for (bool live : {false, true}) {
        SCOPED_TRACE(live ? "live" : "overlay");
        CPaintManagerUI manager;
        CHorizontalLayoutUI parent;
        auto* layout = new CVerticalLayoutUI;
        layout->ApplyAttributeString(live ? L"sepheight=\"4\" sepimm=\"true\" height=\"50\""
                                          : L"sepheight=\"4\" height=\"50\"");
        parent.AddItem(layout);
        manager.InitControlTree(&parent, nullptr);
        parent.SetPosition({0, 0, 100, 200}, false);
        TInputEventUI event;
        event.type = EventButtonDown;
        event.mouse = kOnBand;
        layout->HandleEvent(event);
        event.type = EventMouseMove;
        event.mouse = {50, 58};
        layout->HandleEvent(event);
        EXPECT_EQ(layout->GetFixedHeight(), 60);
        EXPECT_EQ(parent.IsLayoutPending(), live);
        event.type = EventButtonUp;
        layout->HandleEvent(event);
        EXPECT_TRUE(parent.IsLayoutPending());
    }
}

TEST(Splitter, ASplitterOfSizeZeroTakesNoEvent) {
    CVerticalLayoutUI layout;
    layout.SetPosition({0, 0, 100, 50}, false);
    LayoutSplitter splitter(true);
    for (int type : {EventButtonDown, EventMouseMove, EventButtonUp, EventSetCursor}) {
        TInputEventUI event;
        event.type = type;
        event.mouse = kOnBand;
        EXPECT_FALSE(splitter.HandleEvent(layout, event));
    }
    EXPECT_FALSE(splitter.IsDragging());
}

}  // namespace
