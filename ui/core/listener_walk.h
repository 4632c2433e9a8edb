// Walks a list of listeners (notifiers, filters, translators) as it was when the walk began, and
// skips an entry that left the list meanwhile: a listener may remove itself or another one while
// it is called without making the walk skip or call a removed entry.
#pragma once

#include "ui/core/ptr_array_ui.h"

namespace Tovik {

// `call(T*)` returns true to end the walk; WalkListeners then returns true.
template <typename T, typename Call>
bool WalkListeners(const CPtrArrayUI& list, Call call) {
    const CPtrArrayUI snapshot = list;
    for (int i = 0; i < snapshot.GetSize(); ++i) {
        if (list.Find(snapshot[i]) < 0) continue;
        if (call(static_cast<T*>(snapshot[i]))) return true;
    }
    return false;
}

}  // namespace Tovik
