// The texts of the HTTP statuses a download may end with.
#pragma once

#include <string>

namespace System {
namespace Net {

// The table's text for `status`, or null when it has none.
const wchar_t* FindHttpStatusText(int status);

}  // namespace Net
}  // namespace System
