// The records and interfaces through which the paint manager talks to controls and to the
// application: input events for controls (TInputEventUI), named notifications (TNotifyMsgUI)
// for listeners (INotifyUI), the search flags of LocateControl, and CEventSourceUI, an ordered
// list of owned delegates that observers subscribe to.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "ui/core/string_ui.h"

namespace Tovik {

class CControlUI;

enum EventType {
    EventKeyDown = 3,
    EventKeyUp = 4,
    EventChar = 5,
    EventSysKey = 6,
    EventMouseMove = 9,
    EventMouseLeave = 10,
    EventMouseEnter = 11,
    EventMouseHover = 12,
    EventButtonDown = 13,
    EventButtonUp = 14,
    EventRightButtonDown = 15,
    EventRightButtonUp = 16,
    EventMiddleButtonDown = 17,
    EventMiddleButtonUp = 18,
    EventDoubleClick = 19,
    EventContextMenu = 20,
    EventScrollWheel = 21,
    EventKillFocus = 23,
    EventSetFocus = 24,
    EventWindowSize = 25,
    EventSetCursor = 26,
    EventTimer = 27,
};

// Mouse events, which a control that does not take the mouse hands on.
inline bool IsMouseEvent(int type) { return type >= EventMouseMove && type <= EventScrollWheel; }

struct TInputEventUI {
    int type = 0;
    CControlUI* sender = nullptr;
    DWORD timestamp = 0;
    POINT mouse = {};
    WCHAR keyChar = 0;
    WORD keyState = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct TNotifyMsgUI {
    CStringUI type;
    CStringUI virtualWindow;
    CControlUI* sender = nullptr;
    DWORD timestamp = 0;
    POINT mouse = {};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class INotifyUI {
public:
    virtual void Notify(TNotifyMsgUI& msg) = 0;

protected:
    ~INotifyUI() = default;
};

// Sees a window's messages before the paint manager handles them; setting `handled` ends the
// message's handling with the returned result.
class IMessageFilterUI {
public:
    virtual LRESULT FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

protected:
    ~IMessageFilterUI() = default;
};

// Translates keyboard accelerators before a message is dispatched; 0 means translated (handled).
class ITranslateAccelerator {
public:
    virtual LRESULT TranslateAccel(MSG* msg) = 0;

protected:
    ~ITranslateAccelerator() = default;
};

// Flags of LocateControl.
enum FindFlags : UINT {
    FindVisible = 0x1,
    FindEnabled = 0x2,
    FindHitTest = 0x4,
    FindUpdateTest = 0x8,
    FindTopFirst = 0x10,
    FindMeFirst = 0x80000000,
};
using FindControlProc = CControlUI* (*)(CControlUI* control, void* data);

// A subscriber: called with one pointer (the control, the input event or the notification);
// returning false stops the list.
using CDelegateBase = std::function<bool(void* argument)>;

class CEventSourceUI {
public:
    void Add(CDelegateBase delegate) { delegates_.push_back(std::move(delegate)); }
    bool IsEmpty() const { return delegates_.empty(); }
    // True when every delegate answered true; an empty list answers true.
    bool Invoke(void* argument) const {
        for (const CDelegateBase& delegate : delegates_) {
            if (!delegate(argument)) return false;
        }
        return true;
    }

private:
    std::vector<CDelegateBase> delegates_;
};

}  // namespace Tovik
