#include "ui/controls/state_image_slices.h"

#include "ui/controls/control_ui.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {

CStateImageSlices::CStateImageSlices(CPaintManagerUI* manager, const CStringUI& image, int count) {
    if (manager == nullptr || count < 1) return;
    ParseDrawInfo(info_, image.GetData(), L"", nullptr);
    const TSkinImage* decoded = manager->AcquireSkinImage(
        info_.name.GetData(), info_.resourceType.IsEmpty() ? nullptr : info_.resourceType.GetData(), 0);
    if (decoded == nullptr || decoded->width <= 0 || decoded->height <= 0) return;
    width_ = decoded->width / count;
    height_ = decoded->height;
}

void DrawStateLook(CControlUI& control, HDC dc, UINT state, std::initializer_list<TStateLook> looks,
                   const CStringUI& normal) {
    for (const TStateLook& look : looks) {
        if ((state & look.bit) == 0) continue;
        if (!look.image->IsEmpty() && control.DrawImageString(dc, look.image->GetData())) return;
        break;
    }
    if (!normal.IsEmpty()) control.DrawImageString(dc, normal.GetData());
}

CStringUI CStateImageSlices::Slice(int index) const {
    CStringUI slice;
    const RECT& dest = info_.dest;
    slice.Format(L"res='%ls' restype='%ls' dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", info_.name.GetData(),
                 info_.resourceType.GetData(), static_cast<int>(dest.left), static_cast<int>(dest.top),
                 static_cast<int>(dest.right), static_cast<int>(dest.bottom), index * width_, 0, (index + 1) * width_,
                 height_);
    return slice;
}

}  // namespace Tovik
