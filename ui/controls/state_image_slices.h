// A state image cut into equal slices side by side, each given as an image string of its own.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "ui/core/skin_draw_info.h"
#include "ui/core/string_ui.h"

namespace Tovik {

class CControlUI;
class CPaintManagerUI;

// A state bit and the image shown while a control has it.
struct TStateLook {
    UINT bit;
    const CStringUI* image;
};

// The image of the first look whose bit `state` has, when it is set and draws; otherwise the
// normal image when it is set.
void DrawStateLook(CControlUI& control, HDC dc, UINT state, std::initializer_list<TStateLook> looks,
                   const CStringUI& normal);

class CStateImageSlices {
public:
    // Nothing to slice without a manager, for a count below 1 or an image that cannot be had.
    CStateImageSlices(CPaintManagerUI* manager, const CStringUI& image, int count);

    bool IsValid() const { return width_ > 0 && height_ > 0; }
    // "res='…' restype='…' dest='…' source='…'" for slice `index`.
    CStringUI Slice(int index) const;

private:
    TSkinDrawInfo info_;
    int width_ = 0;  // of one slice
    int height_ = 0;
};

}  // namespace Tovik
