// The draggable separator band of vertical and horizontal layouts ("sepheight" / "sepwidth"):
// a negative size puts the band on the top (left) edge, a positive one on the bottom (right)
// edge. Dragging it resizes the layout, live ("sepimm") or with an overlay until the button is
// released. One implementation serves both orientations.
#pragma once

#include <windows.h>

#include "ui/core/ui_events.h"

namespace Tovik {

class CControlUI;

class LayoutSplitter {
public:
    explicit LayoutSplitter(bool vertical) : vertical_(vertical) {}

    int GetSize() const { return size_; }
    void SetSize(int size) { size_ = size; }
    bool IsImmediate() const { return immediate_; }
    void SetImmediate(CControlUI& layout, bool immediate);
    bool IsDragging() const { return dragging_; }

    // FlagSetCursor when the layout is enabled and the splitter has a size.
    UINT GetInputFlags(const CControlUI& layout) const;
    // "sepheight" (vertical) or "sepwidth" (horizontal) and "sepimm"; false for any other name.
    bool ApplyAttribute(CControlUI& layout, const wchar_t* name, const wchar_t* value);
    // True when the event was the splitter's.
    bool HandleEvent(CControlUI& layout, const TInputEventUI& event);
    void PaintOverlay(HDC dc) const;

private:
    RECT Band(const RECT& rect) const;
    int Extent(const RECT& rect) const;
    void Drag(CControlUI& layout, POINT point);
    bool MoveEdge(POINT point);
    bool ClampToLimits(const CControlUI& layout, const RECT& before);
    void Apply(CControlUI& layout, const RECT& before) const;

    bool vertical_;
    int size_ = 0;
    bool immediate_ = false;
    bool dragging_ = false;
    POINT last_ = {};
    RECT newRect_ = {};
};

}  // namespace Tovik
