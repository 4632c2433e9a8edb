#include "ui/core/window_attributes.h"

#include <algorithm>

#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"

namespace Tovik {
namespace {

using Manager = CPaintManagerUI;
using Colour = CPaintManagerUI::DefaultColor;

// Opacities outside 0–255 are held at the nearer end rather than wrapped.
BYTE ParseByte(const wchar_t* value) { return static_cast<BYTE>(std::clamp(ParseInt(value), 0, 255)); }

template <Colour which>
void SetColour(Manager& manager, const wchar_t* value) {
    manager.SetDefaultColor(which, ParseColour(value, false), false);
}

void SetOpacity(Manager& manager, const wchar_t* value) { manager.SetOpacity(ParseByte(value)); }
void SetLayered(Manager& manager, const wchar_t* value) { manager.SetLayered(ParseBool(value)); }

// The getters scale by the DPI scaler, so the markup values are stored as they are.
const TAttributeRow<Manager> kWindowAttributes[] = {
    {L"size",
     [](Manager& m, const wchar_t* v) {
         const SIZE size = ParseSize(v);
         m.SetInitSize(size.cx, size.cy);
     }},
    {L"sizebox", [](Manager& m, const wchar_t* v) { m.SetSizeBox(ParseRect(v)); }},
    {L"caption", [](Manager& m, const wchar_t* v) { m.SetCaptionRect(ParseRect(v)); }},
    {L"roundcorner",
     [](Manager& m, const wchar_t* v) {
         const SIZE size = ParseSize(v);
         m.SetRoundCorner(size.cx, size.cy);
     }},
    {L"mininfo",
     [](Manager& m, const wchar_t* v) {
         const SIZE size = ParseSize(v);
         m.SetMinInfo(size.cx, size.cy);
     }},
    {L"maxinfo",
     [](Manager& m, const wchar_t* v) {
         const SIZE size = ParseSize(v);
         m.SetMaxInfo(size.cx, size.cy);
     }},
    {L"showdirty", [](Manager& m, const wchar_t* v) { m.SetShowUpdateRect(ParseBool(v)); }},
    {L"opacity", SetOpacity},
    {L"alpha", SetOpacity},
    {L"layeredopacity", [](Manager& m, const wchar_t* v) { m.SetLayeredOpacity(ParseByte(v)); }, true},
    {L"layered", SetLayered, true},
    {L"bktrans", SetLayered, true},
    {L"layeredimage",
     [](Manager& m, const wchar_t* v) {
         m.SetLayered(true);
         m.SetLayeredImage(v);
     },
     true},
    {L"noactivate", [](Manager& m, const wchar_t* v) { m.SetNoActivate(ParseBool(v)); }, true},
    {L"disabledfontcolor", SetColour<Colour::kDisabledText>},
    {L"defaultfontcolor", SetColour<Colour::kText>},
    {L"linkfontcolor", SetColour<Colour::kLink>},
    {L"linkhoverfontcolor", SetColour<Colour::kLinkHover>},
    {L"selectedcolor", SetColour<Colour::kSelectedBackground>},
    {L"gdiplustext", [](Manager& m, const wchar_t* v) { m.SetUseGdiplusText(ParseBool(v)); }},
    {L"textrenderinghint", [](Manager& m, const wchar_t* v) { m.SetGdiplusTextRenderingHint(ParseInt(v)); }},
    {L"tooltiphovertime", [](Manager& m, const wchar_t* v) { m.SetHoverTime(ParseInt(v)); }},
};

}  // namespace

bool ApplyWindowAttribute(CPaintManagerUI& manager, const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return false;
    return ApplyAttributeRow(kWindowAttributes, manager, name, value);
}

}  // namespace Tovik
