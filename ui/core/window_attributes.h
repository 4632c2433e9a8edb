// The attributes of a skin's Window element, applied to its paint manager: sizes, caption, frame,
// transparency, default colours and drawing settings.
#pragma once

#include "ui/core/paint_manager_ui.h"

namespace Tovik {

// False for a name the Window element does not have (it is ignored).
bool ApplyWindowAttribute(CPaintManagerUI& manager, const wchar_t* name, const wchar_t* value);

}  // namespace Tovik
