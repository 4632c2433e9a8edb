// The key state an input event carries, read from the keyboard state at the time of the event.
#pragma once

#include <windows.h>

namespace Tovik {

// 0x01 left button, 0x02 right button, 0x04 Shift, 0x08 Ctrl, 0x20 Alt.
inline WORD CurrentKeyState() {
    WORD state = 0;
    if (GetKeyState(VK_LBUTTON) < 0) state |= 0x01;
    if (GetKeyState(VK_RBUTTON) < 0) state |= 0x02;
    if (GetKeyState(VK_SHIFT) < 0) state |= 0x04;
    if (GetKeyState(VK_CONTROL) < 0) state |= 0x08;
    if (GetKeyState(VK_MENU) < 0) state |= 0x20;
    return state;
}

}  // namespace Tovik
