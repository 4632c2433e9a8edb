// CPaintManagerUI: the thread's message loop and what runs before a message is dispatched — the
// process-wide list of managers, accelerator translators, pre-message filters, Tab focus moves,
// Alt shortcuts and system keys — and the registration of filters and translators.
#include <cwctype>

#include "ui/controls/control_ui.h"
#include "ui/core/key_state.h"
#include "ui/core/listener_walk.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

bool ClassNameHas(const CControlUI* control, const wchar_t* part) {
    return control != nullptr && std::wcsstr(control->GetTypeName(), part) != nullptr;
}

struct ShortcutSearch {
    wchar_t wanted;
    bool pickNext;
};

// The control whose shortcut matches passes it on when it is a label: the next non-label control
// in search order takes it.
CControlUI* FindShortcut(CControlUI* control, void* data) {
    auto* search = static_cast<ShortcutSearch*>(data);
    if (!control->IsVisible()) return nullptr;
    if (static_cast<wchar_t>(std::towupper(control->GetShortcut())) == search->wanted) search->pickNext = true;
    return search->pickNext && !ClassNameHas(control, L"LabelUI") ? control : nullptr;
}

}  // namespace

void CPaintManagerUI::RunMessageLoop() {
    MSG msg;
    // GetMessageW answers -1 on failure: that ends the loop like WM_QUIT rather than spinning.
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateUIMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A top-level target goes to its own manager; a child's message is offered to the manager of
// every ancestor window and is still dispatched to the child.
bool CPaintManagerUI::TranslateUIMessage(const MSG* msg) {
    if (msg == nullptr) return false;
    MSG copy = *msg;
    LRESULT result = 0;
    if ((GetWindowLongW(msg->hwnd, GWL_STYLE) & WS_CHILD) == 0) {
        for (int i = 0; i < managers_.GetSize(); ++i) {
            auto* manager = static_cast<CPaintManagerUI*>(managers_[i]);
            if (manager->window_ != msg->hwnd) continue;
            if (manager->TranslateAccelerators(&copy)) return true;
            return manager->PreProcessMessage(msg->message, msg->wParam, msg->lParam, result);
        }
        return false;
    }
    for (int i = 0; i < managers_.GetSize(); ++i) {
        auto* manager = static_cast<CPaintManagerUI*>(managers_[i]);
        for (HWND ancestor = GetParent(msg->hwnd); ancestor != nullptr; ancestor = GetParent(ancestor)) {
            if (manager->window_ != msg->hwnd && manager->window_ != ancestor) continue;
            if (manager->TranslateAccelerators(&copy)) return true;
            manager->PreProcessMessage(msg->message, msg->wParam, msg->lParam, result);
        }
    }
    return false;
}

bool CPaintManagerUI::TranslateAccelerators(MSG* msg) {
    return WalkListeners<ITranslateAccelerator>(acceleratorTranslators_, [msg](ITranslateAccelerator* translator) {
        return translator->TranslateAccel(msg) == 0;
    });
}

bool CPaintManagerUI::PreProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    const bool filtered = WalkListeners<IMessageFilterUI>(preMessageFilters_, [&](IMessageFilterUI* filter) {
        bool handled = false;
        filter->FilterMessage(message, wParam, lParam, handled);
        return handled;
    });
    if (filtered) return true;
    switch (message) {
    case WM_KEYDOWN: {
        if (wParam != VK_TAB) return false;
        // A focused web view or rich edit keeps the key (a rich edit wants Tab characters unless
        // its "wanttab" says otherwise, which the rich edit itself will answer).
        const bool keeps = focus_ != nullptr && focus_->IsVisible() && focus_->IsEnabled() &&
                           (ClassNameHas(focus_, L"WkeWebkitUI") || ClassNameHas(focus_, L"RichEditUI"));
        if (keeps) return false;
        MoveTabFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    case WM_SYSCHAR: return ShortcutFocus(wParam);
    case WM_SYSKEYDOWN:
        if (focus_ != nullptr) SendEvent(focus_, EventSysKey, 0, 0, CurrentKeyState(), static_cast<WCHAR>(wParam));
        return false;
    default: return false;
    }
}

bool CPaintManagerUI::ShortcutFocus(WPARAM character) {
    if (root_ == nullptr) return false;
    ShortcutSearch search = {static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character))), false};
    CControlUI* found = root_->LocateControl(FindShortcut, &search, FindEnabled | FindTopFirst | FindMeFirst);
    if (found == nullptr) return false;
    found->TakeFocus();
    found->Activate();
    return true;
}

// ---- Registration: each add appends, each remove takes out the first equal entry ----

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* filter) { return preMessageFilters_.Add(filter); }

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* filter) {
    return preMessageFilters_.Remove(preMessageFilters_.Find(filter));
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* filter) { return messageFilters_.Add(filter); }

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* filter) {
    return messageFilters_.Remove(messageFilters_.Find(filter));
}

bool CPaintManagerUI::AddAcceleratorTranslator(ITranslateAccelerator* translator) {
    return acceleratorTranslators_.Add(translator);
}

bool CPaintManagerUI::RemoveAcceleratorTranslator(ITranslateAccelerator* translator) {
    return acceleratorTranslators_.Remove(acceleratorTranslators_.Find(translator));
}

}  // namespace Tovik
