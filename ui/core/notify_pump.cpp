#include "ui/core/notify_pump.h"

#include <cwchar>

#include "support/platform.h"
#include "ui/controls/control_ui.h"

namespace Tovik {
namespace {

const TNotifyMapEntry kNoEntries[] = {NotifyMapEnd()};
const TNotifyMap kEmptyMap = {nullptr, kNoEntries};

// The entry of one table for the notification: the first naming the sender wins at once, else
// the last one for any control. A notification without a sender matches only the latter.
const TNotifyMapEntry* FindEntry(const TNotifyMapEntry* entries, const TNotifyMsgUI& msg) {
    const CStringUI sender = msg.sender != nullptr ? msg.sender->GetName() : CStringUI();
    const TNotifyMapEntry* anyControl = nullptr;
    for (const TNotifyMapEntry* entry = entries; entry->signature != NotifyEnd; ++entry) {
        if (msg.type != entry->type) continue;
        if (*entry->control == 0) {
            anyControl = entry;
        } else if (msg.sender != nullptr && sender == entry->control) {
            return entry;
        }
    }
    return anyControl;
}

}  // namespace

const TNotifyMap* CNotifyPump::ClassNotifyMap() { return &kEmptyMap; }
const TNotifyMap* CNotifyPump::GetNotifyMap() const { return ClassNotifyMap(); }

bool CNotifyPump::AddVirtualWindow(const wchar_t* name, CNotifyPump* pump) {
    return name != nullptr && pump != nullptr && virtualWindows_.Insert(name, pump);
}

bool CNotifyPump::RemoveVirtualWindow(const wchar_t* name) { return name != nullptr && virtualWindows_.Remove(name); }

void CNotifyPump::NotifyPump(TNotifyMsgUI& msg) {
    if (!msg.virtualWindow.IsEmpty()) {
        for (int i = 0; i < virtualWindows_.GetSize(); ++i) {
            if (!Platform::EqualsIgnoringAsciiCase(virtualWindows_.GetAt(i), msg.virtualWindow.GetData())) continue;
            if (static_cast<CNotifyPump*>(virtualWindows_.GetValueAt(i))->DispatchThroughMaps(msg)) return;
        }
    }
    DispatchThroughMaps(msg);
}

bool CNotifyPump::DispatchThroughMaps(TNotifyMsgUI& msg) {
    for (const TNotifyMap* map = GetNotifyMap(); map != nullptr; map = map->base) {
        const TNotifyMapEntry* entry = FindEntry(map->entries, msg);
        if (entry == nullptr) continue;
        if (entry->signature == NotifyParams) {
            (this->*entry->onParams)(msg.wParam, msg.lParam);
            return true;
        }
        if (entry->signature == NotifyRecord) {
            (this->*entry->onRecord)(msg);
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace Tovik
