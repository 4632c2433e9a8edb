// CControlUI: the root of every element of the engine. It holds what all controls share —
// identity, geometry, state flags, appearance and its paint sequence, the default reaction to
// input events, the markup attribute setter and five subscriber lists — in the fixed order of
// virtual operations that every control class builds on.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/core/owning_string_map_ui.h"
#include "ui/core/string_ui.h"
#include "ui/core/ui_events.h"

namespace Tovik {

class CPaintManagerUI;

// Input flags.
constexpr UINT FlagTabStop = 0x1;
constexpr UINT FlagSetCursor = 0x2;

// The system cursors a control may ask for ("cursor"), by their resource ids.
enum CursorId : WORD {
    CursorArrow = 32512,
    CursorIBeam = 32513,
    CursorWait = 32514,
    CursorCross = 32515,
    CursorUpArrow = 32516,
    CursorSize = 32640,
    CursorIcon = 32641,
    CursorSizeNwse = 32642,
    CursorSizeNesw = 32643,
    CursorSizeWe = 32644,
    CursorSizeNs = 32645,
    CursorSizeAll = 32646,
    CursorNo = 32648,
    CursorHand = 32649,
};

struct TFloatRatios {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

class CControlUI {
public:
    CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // The virtual operations, in slot order.
    virtual ~CControlUI();
    virtual CStringUI GetName() const;
    virtual void SetName(const wchar_t* name);
    virtual const wchar_t* GetTypeName() const;
    // The control answering to `name` as one of its interfaces, or null.
    virtual void* QueryControlInterface(const wchar_t* name);
    virtual UINT GetInputFlags();
    virtual bool Activate();
    virtual CPaintManagerUI* GetPaintManager() const;
    virtual void AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise);
    virtual CControlUI* GetParent() const;
    virtual CStringUI GetText() const;
    virtual void SetText(const wchar_t* text);
    virtual bool IsTextFromResource() const;
    virtual void SetTextFromResource(bool fromResource);
    virtual bool IsDragEnabled() const;
    virtual void SetDragEnabled(bool enabled);
    virtual bool IsDropEnabled() const;
    virtual void SetDropEnabled(bool enabled);
    virtual bool IsRichEvent() const;
    virtual void SetRichEvent(bool rich);
    virtual RECT GetPosInParent() const;
    virtual RECT GetContentRect();
    virtual const RECT& GetPosition() const;
    virtual void SetPosition(RECT rect, bool invalidate = true);
    virtual void MoveBy(int dx, int dy, bool invalidate = true);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetLeft() const;
    virtual int GetTop() const;
    virtual RECT GetPadding() const;
    virtual void SetPadding(RECT padding);
    virtual SIZE GetFixedOffset() const;
    virtual void SetFixedOffset(SIZE offset);
    virtual SIZE GetFixedSize() const;
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int width);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int height);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int width);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int width);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int height);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int height);
    virtual TFloatRatios GetFloatRatios() const;
    virtual void SetFloatRatios(TFloatRatios ratios);
    virtual void SetFloatAlign(UINT align);
    virtual UINT GetFloatAlign() const;
    virtual CStringUI GetToolTip() const;
    virtual void SetToolTip(const wchar_t* text);
    virtual void SetToolTipWidth(int width);
    virtual int GetToolTipWidth() const;
    virtual WORD GetCursorId() const;
    virtual void SetCursorId(WORD cursor);
    virtual wchar_t GetShortcut() const;
    virtual void SetShortcut(wchar_t shortcut);
    virtual bool IsMenuEnabled() const;
    virtual void SetMenuEnabled(bool enabled);
    virtual CStringUI GetUserData() const;
    virtual void SetUserData(const wchar_t* data);
    virtual UINT_PTR GetTag() const;
    virtual void SetTag(UINT_PTR tag);
    virtual bool IsVisible() const;
    virtual void SetVisible(bool visible = true);
    virtual void SetInheritedVisible(bool visible = true);
    virtual bool IsEnabled() const;
    virtual void SetEnabled(bool enabled = true);
    virtual bool IsMouseEnabled() const;
    virtual void SetMouseEnabled(bool enabled = true);
    virtual bool IsKeyboardEnabled() const;
    virtual void SetKeyboardEnabled(bool enabled = true);
    virtual bool HasFocus() const;
    virtual void TakeFocus();
    virtual bool IsFloat() const;
    virtual void SetFloat(bool isFloat = true);
    virtual CControlUI* LocateControl(FindControlProc callback, void* data, UINT flags);
    virtual void Initialize();
    virtual void OnInitialize();
    virtual void DispatchEvent(TInputEventUI& event);
    virtual void HandleEvent(TInputEventUI& event);
    virtual void SetAttribute(const wchar_t* name, const wchar_t* value);
    virtual SIZE MeasureSize(SIZE available);
    virtual bool Paint(HDC dc, const RECT& area, CControlUI* stop);
    virtual bool PaintContent(HDC dc, const RECT& area, CControlUI* stop);
    virtual void PaintBackgroundColor(HDC dc);
    virtual void PaintBackgroundImage(HDC dc);
    virtual void PaintStateImage(HDC dc);
    virtual void PaintForegroundColor(HDC dc);
    virtual void PaintForegroundImage(HDC dc);
    virtual void PaintText(HDC dc);
    virtual void PaintBorder(HDC dc);
    virtual void PaintOverlay(HDC dc, const RECT& area);

    // Helpers.
    // Store a fixed size (not negative) without re-laying the parent out, for a drag whose layout
    // follows at its end; false for a negative size.
    bool StoreFixedWidth(int width);
    bool StoreFixedHeight(int height);
    void RequestRepaint();
    void RequestLayout();
    void RequestParentLayout();
    bool IsLayoutPending() const { return layoutPending_; }
    // Pairs name="value" separated by one blank or comma; a style name applies that style.
    void ApplyAttributeString(const wchar_t* list);
    // Unknown attributes: the first value of a name is kept.
    void StoreCustomAttribute(const wchar_t* name, const wchar_t* value);
    const wchar_t* GetCustomAttribute(const wchar_t* name);
    CStringUI GetVirtualWindowName() const;
    bool DrawImageString(HDC dc, const wchar_t* image, const wchar_t* modifier = nullptr);
    DWORD AdjustColor(DWORD colour) const;

    // Appearance.
    DWORD GetBkColor() const { return bkColor_[0]; }
    void SetBkColor(DWORD colour) { SetRepaintingValue(bkColor_[0], colour); }
    void SetBkColor2(DWORD colour) { SetRepaintingValue(bkColor_[1], colour); }
    void SetBkColor3(DWORD colour) { SetRepaintingValue(bkColor_[2], colour); }
    void SetForeColor(DWORD colour) { SetRepaintingValue(foreColor_, colour); }
    void SetBkImage(const wchar_t* image) { SetRepaintingValue(bkImage_, CStringUI(image)); }
    void SetForeImage(const wchar_t* image) { SetRepaintingValue(foreImage_, CStringUI(image)); }
    void SetGradient(const wchar_t* gradient) { SetRepaintingValue(gradient_, CStringUI(gradient)); }
    void SetBorderColor(DWORD colour) { SetRepaintingValue(borderColor_, colour); }
    void SetFocusBorderColor(DWORD colour) { SetRepaintingValue(focusBorderColor_, colour); }
    void SetColorHSL(bool hsl) { SetRepaintingValue(colorHsl_, hsl); }
    int GetBorderSize() const;
    void SetBorderSize(int size) { SetRepaintingValue(borderSize_, size); }
    RECT GetBorderSideSizes() const;
    void SetBorderSideSizes(RECT sizes);
    void SetLeftBorderSize(int size);
    void SetTopBorderSize(int size);
    void SetRightBorderSize(int size);
    void SetBottomBorderSize(int size);
    void SetBorderStyle(int style);
    SIZE GetBorderRound() const;
    void SetBorderRound(SIZE round);

    CEventSourceUI InitSubscribers;
    CEventSourceUI DestroySubscribers;
    CEventSourceUI SizeSubscribers;
    CEventSourceUI EventSubscribers;
    CEventSourceUI NotifySubscribers;

protected:
    template <typename T>
    void SetRepaintingValue(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RequestRepaint();
    }
    int Scale(int value) const;
    RECT Scale(const RECT& rect) const;
    // `relative` (to the item) in markup units as a "dest='…'" modifier, with the same numbers as
    // "source='…'" too when `crop`.
    CStringUI DestModifier(const RECT& relative, bool crop = false) const;
    SIZE Scale(SIZE size) const;

    CPaintManagerUI* manager_ = nullptr;
    CControlUI* parent_ = nullptr;
    CStringUI name_;
    CStringUI virtualWindow_;
    CStringUI text_;
    CStringUI toolTip_;
    CStringUI userData_;
    CStringUI gradient_;
    CStringUI bkImage_;
    CStringUI foreImage_;
    RECT item_ = {};
    RECT paintRect_ = {};
    RECT padding_ = {};
    SIZE fixedOffset_ = {};
    SIZE fixedSize_ = {};
    SIZE minSize_ = {};
    SIZE maxSize_ = {9999, 9999};
    TFloatRatios floatRatios_;
    UINT floatAlign_ = 0;
    bool layoutPending_ = true;
    bool menuEnabled_ = false;
    bool visible_ = true;
    bool inheritedVisible_ = true;
    bool enabled_ = true;
    bool mouseEnabled_ = true;
    bool keyboardEnabled_ = true;
    bool focused_ = false;
    bool float_ = false;
    bool inSizeNotification_ = false;
    bool richEvent_ = false;
    bool dragEnabled_ = false;
    bool dropEnabled_ = false;
    bool textFromResource_ = false;
    wchar_t shortcut_ = 0;
    UINT_PTR tag_ = 0;
    DWORD bkColor_[3] = {};
    DWORD foreColor_ = 0;
    DWORD borderColor_ = 0;
    DWORD focusBorderColor_ = 0;
    bool colorHsl_ = false;
    int borderSize_ = 0;
    int borderStyle_ = 0;
    int toolTipWidth_ = 300;
    WORD cursor_ = 0;
    SIZE borderRound_ = {};
    RECT borderSides_ = {};
    COwningStringMapUI<CStringUI> customAttributes_;

private:
    void ApplyAttributeString(const wchar_t* list, int depth);
    void ApplyPairs(const wchar_t* list);
    void ApplyStyle(const wchar_t* name, const wchar_t* value);
    void ApplyVirtualWindow(const wchar_t* name);

    int styleDepth_ = 0;  // of the attribute list being applied, for the "style" attribute
};

}  // namespace Tovik
