// CScrollBarUI: a skinned scroll bar — two arrow buttons, a track with a thumb proportional to
// the page, a grip ("rail") image on the thumb and a background. A container's bar forwards all
// scrolling to the container; a bar without an owner scrolls itself.
#pragma once

#include <cstdint>

#include "ui/controls/control_ui.h"

namespace Tovik {

class CContainerUI;

// The bar's parts and their images, in one order everywhere.
enum BarPart { BarBackground, BarButton1, BarButton2, BarThumb, BarRail, kBarPartCount };
enum BarLook { LookNormal, LookHot, LookPushed, LookDisabled, kBarLookCount };

class CScrollBarUI : public CControlUI {
public:
    static constexpr int kThickness = 16;
    static constexpr int kDefaultLineSize = 8;
    static constexpr UINT kRepeatTimer = 10;
    static constexpr UINT kRepeatPeriod = 50;
    // Timer ticks a press waits before it repeats.
    static constexpr int kRepeatDelayTicks = 5;

    CScrollBarUI();
    ~CScrollBarUI() override;

    const wchar_t* GetTypeName() const override { return L"ScrollBarUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    // Only stores the visibility and drops the focus flag: the owner lays its bars out itself.
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void TakeFocus() override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool PaintContent(HDC dc, const RECT& area, CControlUI* stop) override;

    CContainerUI* GetScrollOwner() const { return owner_; }
    void SetScrollOwner(CContainerUI* owner) { owner_ = owner; }
    bool IsHorizontal() const { return horizontal_; }
    void SetHorizontal(bool horizontal);
    int64_t GetBarRange() const { return range_; }
    // Never negative; the position is clamped to it.
    void SetBarRange(int64_t range);
    int64_t GetBarPosition() const { return position_; }
    // Clamped to 0..range.
    void SetBarPosition(int64_t position);
    int GetLineSize() const { return lineSize_; }
    // Kept positive, so the owner's "scroll" notification never divides by zero.
    void SetLineSize(int size) { lineSize_ = size > 0 ? size : kDefaultLineSize; }
    void ShowButton1(bool show);
    void ShowButton2(bool show);
    void SetPartImage(BarPart part, BarLook look, const wchar_t* image);

    // The parts' rectangles (empty when absent) and states, as the last SetPosition left them.
    const RECT& GetButton1Rect() const { return button1_; }
    const RECT& GetButton2Rect() const { return button2_; }
    const RECT& GetThumbRect() const { return thumb_; }
    UINT GetThumbState() const { return thumbState_; }
    UINT GetButton1State() const { return button1State_; }
    UINT GetButton2State() const { return button2State_; }

private:
    enum Step { kLineBack, kLineForward, kPageBack, kPageForward };
    void Scroll(Step step);
    void DragTo(int64_t position);
    void Notify();
    void OnPress(POINT point);
    void OnRelease();
    void OnMove(POINT point);
    void OnTick();
    // Where the pointer is along the bar's axis, before (−1) or after (1) the thumb, or on it (0).
    int SideOfThumb(POINT point) const;
    bool PaintPart(HDC dc, BarPart part, UINT state, const RECT* rect);
    int Along(POINT point) const { return horizontal_ ? point.x : point.y; }

    bool horizontal_ = false;
    int64_t range_ = 0;
    int64_t position_ = 0;
    int lineSize_ = kDefaultLineSize;
    CContainerUI* owner_ = nullptr;
    POINT dragStart_ = {};
    int64_t dragStartPosition_ = 0;
    int64_t dragOffset_ = 0;
    int repeatTicks_ = 0;
    bool showButton1_ = true;
    bool showButton2_ = true;
    RECT button1_ = {};
    RECT button2_ = {};
    RECT thumb_ = {};
    UINT button1State_ = 0;
    UINT button2State_ = 0;
    UINT thumbState_ = 0;
    CStringUI images_[kBarPartCount][kBarLookCount];
};

}  // namespace Tovik
