// CNotifyPump: dispatch of named notifications through a static table per class (the
// notification map, chained to the base class's table), and through the pumps of virtual windows
// registered by name.
#pragma once

#include <windows.h>

#include "ui/core/string_map_ui.h"
#include "ui/core/ui_events.h"

namespace Tovik {

class CNotifyPump;

using NotifyRecordHandler = void (CNotifyPump::*)(TNotifyMsgUI& msg);
using NotifyParamsHandler = void (CNotifyPump::*)(WPARAM wParam, LPARAM lParam);

// How an entry's handler is called; NotifyEnd ends a table.
enum NotifySignature : unsigned { NotifyEnd = 0, NotifyParams = 1, NotifyRecord = 2 };

struct TNotifyMapEntry {
    const wchar_t* type;     // matched exactly
    const wchar_t* control;  // the sender's name, matched exactly; empty: any control
    unsigned signature;
    NotifyRecordHandler onRecord;
    NotifyParamsHandler onParams;
};

struct TNotifyMap {
    const TNotifyMap* base;          // the base class's map, or null
    const TNotifyMapEntry* entries;  // up to the NotifyEnd entry
};

// Entries for a class's table: the handler of `Pump` is called with the record or with its two
// parameters.
template <typename Pump>
TNotifyMapEntry NotifyEntry(const wchar_t* type, const wchar_t* control, void (Pump::*handler)(TNotifyMsgUI&)) {
    return {type, control, NotifyRecord, static_cast<NotifyRecordHandler>(handler), nullptr};
}
template <typename Pump>
TNotifyMapEntry NotifyEntry(const wchar_t* type, const wchar_t* control, void (Pump::*handler)(WPARAM, LPARAM)) {
    return {type, control, NotifyParams, nullptr, static_cast<NotifyParamsHandler>(handler)};
}
inline TNotifyMapEntry NotifyMapEnd() { return {L"", L"", NotifyEnd, nullptr, nullptr}; }

class CNotifyPump {
public:
    CNotifyPump() = default;
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;

    virtual const TNotifyMap* GetNotifyMap() const;
    // This class's own map, empty and without a base: the end of every chain.
    static const TNotifyMap* ClassNotifyMap();

    // A pump for the notifications of controls declaring virtual window `name`.
    bool AddVirtualWindow(const wchar_t* name, CNotifyPump* pump);
    bool RemoveVirtualWindow(const wchar_t* name);

    // The virtual window's pump first (names compared ignoring case), else this pump's maps.
    void NotifyPump(TNotifyMsgUI& msg);
    // Through this pump's maps only; false when no table has an entry for the notification.
    bool DispatchThroughMaps(TNotifyMsgUI& msg);

protected:
    ~CNotifyPump() = default;

private:
    CStringMapUI virtualWindows_{83};
};

}  // namespace Tovik
