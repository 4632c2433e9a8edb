// The press state machine of buttons (and options and check boxes, which are buttons): hot,
// pushed and captured bits of the button state, stepped by mouse events.
//
//   state     event                    condition          next state        effect
//   any       mouse enter              enabled            + hot             repaint, "mouseenter"
//   any       mouse leave              enabled            − hot             repaint, "mouseleave"
//   idle      button down / dbl click  inside, enabled    pushed, captured  repaint, "buttondown"
//   captured  mouse move               inside             + pushed          repaint
//   captured  mouse move               outside            − pushed          repaint
//   captured  button up                inside             idle              repaint, activate
//   captured  button up                outside            idle              repaint
//   idle      mouse move / button up   —                  unchanged         —
#pragma once

#include <windows.h>

#include "ui/core/ui_events.h"

namespace Tovik {

// Button state bits.
constexpr UINT StateFocused = 0x01;
constexpr UINT StateSelected = 0x02;
constexpr UINT StateDisabled = 0x04;
constexpr UINT StateHot = 0x08;
constexpr UINT StatePushed = 0x10;
constexpr UINT StateCaptured = 0x40;

struct TPressStep {
    UINT state;
    bool handled = false;  // the event goes no further
    bool repaint = false;
    bool activate = false;
    const wchar_t* notification = nullptr;  // sent when rich events are on
};

inline TPressStep StepPress(UINT state, int event, bool inside, bool enabled) {
    TPressStep step{state};
    const bool captured = (state & StateCaptured) != 0;
    switch (event) {
    case EventMouseEnter:
        if (!enabled) break;
        step = TPressStep{state | StateHot, false, true, false, L"mouseenter"};
        break;
    case EventMouseLeave:
        if (!enabled) break;
        step = TPressStep{state & ~StateHot, false, true, false, L"mouseleave"};
        break;
    case EventButtonDown:
    case EventDoubleClick:
        if (!inside || !enabled) break;
        step = TPressStep{state | StatePushed | StateCaptured, true, true, false, L"buttondown"};
        break;
    case EventMouseMove:
        step.handled = true;
        if (!captured) break;
        step.state = inside ? state | StatePushed : state & ~StatePushed;
        step.repaint = true;
        break;
    case EventButtonUp:
        if (!captured) break;
        step = TPressStep{state & ~(StatePushed | StateCaptured), true, true, inside, nullptr};
        break;
    default: break;
    }
    return step;
}

}  // namespace Tovik
