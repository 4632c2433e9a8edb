// WindowImplBase: the base of every skinned top-level window. It owns the window's paint manager,
// builds the control tree from the skin when the window is created, and gives the caption-less
// window what a system frame would: dragging by the skin's caption area, resize borders, size
// limits, round corners and the system buttons ("closebtn", "minbtn", "maxbtn", "restorebtn").
// Notifications reach the subclass through its notification map.
#pragma once

#include <windows.h>

#include "ui/core/notify_pump.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/resource_catalog_ui.h"
#include "ui/core/skin_builder.h"
#include "ui/core/string_ui.h"
#include "ui/core/ui_events.h"
#include "ui/core/window_wnd.h"

namespace Tovik {

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
public:
    WindowImplBase() = default;

    // CWindowWnd
    const wchar_t* GetSuperclassName() const override;
    UINT GetClassStyle() const override;
    // The window's hooks first, then the custom-message hook, the paint manager and the default
    // window procedure, each only when the one before declined.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND window) override;

    virtual ~WindowImplBase();
    // For subclasses' own use; the base never calls it.
    virtual void Prepare();
    // Once, at the end of window creation, with the control tree attached.
    virtual void OnInitWindow();
    virtual void OnClick(TNotifyMsgUI& msg);
    // Whether a press on `control` inside the caption area drags the window: only plain
    // controls, labels, texts and layouts (and nothing inside anything else) do.
    virtual bool IsCaptionControl(CControlUI* control);
    // Empty: the skin is a file; otherwise the skin file name is a resource id of this type.
    virtual CStringUI GetSkinResourceType();
    virtual CStringUI GetSkinFileName() = 0;
    virtual const wchar_t* GetManagerName();
    // Enter and Escape before translation; the key is processed normally in any case.
    virtual LRESULT OnDefaultKey(WPARAM key);
    virtual LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnDestroy(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcActivate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcCalcSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcPaint(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnNcHitTest(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnGetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseHover(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnChar(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSetFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnLButtonDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // The window's style without WS_CAPTION.
    virtual LONG GetStyle();

    // INotifyUI: the notification pump.
    void Notify(TNotifyMsgUI& msg) override;
    // IMessageFilterUI: the Enter/Escape filter.
    LRESULT FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // IDialogBuilderCallback: no custom classes.
    CControlUI* CreateCustomControl(const wchar_t* name) override;
    // IQueryControlText: no texts.
    const wchar_t* QueryControlText(const wchar_t* id, const wchar_t* type) override;

    // One entry: "click" from any control goes to OnClick.
    const TNotifyMap* GetNotifyMap() const override;
    static const TNotifyMap* ClassNotifyMap();
    CPaintManagerUI& GetPaintManager() { return manager_; }

protected:
    CPaintManagerUI manager_;

private:
    // Handlers of the messages with a slot of their own; null for any other message.
    using MessageHandler = LRESULT (WindowImplBase::*)(UINT, WPARAM, LPARAM, bool&);
    static MessageHandler HandlerFor(UINT message);
    // The skin-load failure box, then the end of the process.
    void FailSkinLoad();
};

}  // namespace Tovik
