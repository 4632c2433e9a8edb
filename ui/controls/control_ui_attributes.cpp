// CControlUI's markup attributes: the attribute table with its irregular rows, attribute strings
// with styles, and custom attributes.
#include <cstdlib>
#include <cwchar>

#include "support/platform.h"
#include "ui/controls/control_ui.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {
namespace {

bool Is(const wchar_t* name, const wchar_t* expected) { return Platform::EqualsIgnoringAsciiCase(name, expected); }

struct CursorName {
    const wchar_t* name;
    WORD id;
};

constexpr CursorName kCursors[] = {
    {L"arrow", CursorArrow},   {L"ibeam", CursorIBeam},       {L"wait", CursorWait},
    {L"cross", CursorCross},   {L"uparrow", CursorUpArrow},   {L"size", CursorSize},
    {L"icon", CursorIcon},     {L"sizenwse", CursorSizeNwse}, {L"sizenesw", CursorSizeNesw},
    {L"sizewe", CursorSizeWe}, {L"sizens", CursorSizeNs},     {L"sizeall", CursorSizeAll},
    {L"no", CursorNo},         {L"hand", CursorHand},
};

constexpr int kMaxStyleNesting = 8;

// Words separated by ',' or ' ' adjust the current float align bits.
UINT ParseFloatAlign(UINT align, const wchar_t* value) {
    CStringUI words(value);
    words.Replace(L",", L" ");
    for (int start = 0; start <= words.GetLength();) {
        int end = words.Find(L' ', start);
        if (end < 0) end = words.GetLength();
        const CStringUI word = words.Mid(start, end - start);
        const wchar_t* w = word.GetData();
        if (Is(w, L"null")) align = 0;
        else if (Is(w, L"left")) align &= ~(DT_CENTER | DT_RIGHT);
        else if (Is(w, L"center")) align = (align | DT_CENTER) & ~DT_RIGHT;
        else if (Is(w, L"right")) align = (align | DT_RIGHT) & ~DT_CENTER;
        else if (Is(w, L"top")) align &= ~(DT_VCENTER | DT_BOTTOM);
        else if (Is(w, L"vcenter")) align = (align | DT_VCENTER) & ~DT_BOTTOM;
        else if (Is(w, L"bottom")) align = (align | DT_BOTTOM) & ~DT_VCENTER;
        start = end + 1;
    }
    return align;
}

// "pos": a negative left or top takes the right or bottom as the offset.
void ApplyPos(CControlUI& control, const wchar_t* value) {
    const RECT r = ParseRect(value);
    control.SetFixedOffset(SIZE{r.left >= 0 ? r.left : r.right, r.top >= 0 ? r.top : r.bottom});
    control.SetFixedWidth(ClampToInt(std::llabs(int64_t{r.right} - r.left)));
    control.SetFixedHeight(ClampToInt(std::llabs(int64_t{r.bottom} - r.top)));
}

// "float": four ratios float the control with them; otherwise a boolean.
void ApplyFloat(CControlUI& control, const wchar_t* value) {
    if (std::wcschr(value, L',') == nullptr) {
        control.SetFloat(ParseBool(value));
        return;
    }
    double n[4] = {};
    ParseFractions(value, n);
    control.SetFloatRatios(TFloatRatios{n[0], n[1], n[2], n[3]});
    control.SetFloat(true);
}

// "bordersize": four side sizes, or one uniform size that clears the side sizes.
void ApplyBorderSize(CControlUI& control, const wchar_t* value) {
    if (std::wcschr(value, L',') != nullptr) {
        control.SetBorderSideSizes(ParseRect(value));
        return;
    }
    control.SetBorderSize(ParseInt(value));
    control.SetBorderSideSizes(RECT{});
}

void ApplyCursor(CControlUI& control, const wchar_t* value) {
    for (const CursorName& cursor : kCursors) {
        if (Is(value, cursor.name)) control.SetCursorId(cursor.id);
    }
}

}  // namespace

void CControlUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    if (Is(name, L"style")) {
        ApplyStyle(name, value);
        return;
    }
    using Row = TAttributeRow<CControlUI>;
    static const Row kRows[] = {
        {L"innerstyle", [](CControlUI& c, const wchar_t* v) { c.ApplyAttributeString(v, c.styleDepth_); }},
        {L"pos", ApplyPos},
        {L"float", ApplyFloat},
        {L"floatalign", [](CControlUI& c, const wchar_t* v) { c.SetFloatAlign(ParseFloatAlign(c.floatAlign_, v)); }},
        {L"padding", [](CControlUI& c, const wchar_t* v) { c.SetPadding(ParseRect(v)); }},
        {L"gradient", [](CControlUI& c, const wchar_t* v) { c.SetGradient(v); }},
        {L"bkcolor", [](CControlUI& c, const wchar_t* v) { c.SetBkColor(ParseColour(v, true)); }},
        {L"bkcolor1", [](CControlUI& c, const wchar_t* v) { c.SetBkColor(ParseColour(v, true)); }},
        {L"bkcolor2", [](CControlUI& c, const wchar_t* v) { c.SetBkColor2(ParseColour(v, true)); }},
        {L"bkcolor3", [](CControlUI& c, const wchar_t* v) { c.SetBkColor3(ParseColour(v, true)); }},
        {L"forecolor", [](CControlUI& c, const wchar_t* v) { c.SetForeColor(ParseColour(v, true)); }},
        {L"bordercolor", [](CControlUI& c, const wchar_t* v) { c.SetBorderColor(ParseColour(v, false)); }},
        {L"focusbordercolor", [](CControlUI& c, const wchar_t* v) { c.SetFocusBorderColor(ParseColour(v, false)); }},
        {L"colorhsl", [](CControlUI& c, const wchar_t* v) { c.SetColorHSL(ParseBool(v)); }},
        {L"bordersize", ApplyBorderSize},
        {L"leftbordersize", [](CControlUI& c, const wchar_t* v) { c.SetLeftBorderSize(ParseInt(v)); }},
        {L"topbordersize", [](CControlUI& c, const wchar_t* v) { c.SetTopBorderSize(ParseInt(v)); }},
        {L"rightbordersize", [](CControlUI& c, const wchar_t* v) { c.SetRightBorderSize(ParseInt(v)); }},
        {L"bottombordersize", [](CControlUI& c, const wchar_t* v) { c.SetBottomBorderSize(ParseInt(v)); }},
        {L"borderstyle", [](CControlUI& c, const wchar_t* v) { c.SetBorderStyle(ParseInt(v)); }},
        {L"borderround", [](CControlUI& c, const wchar_t* v) { c.SetBorderRound(ParseSize(v)); }},
        {L"bkimage", [](CControlUI& c, const wchar_t* v) { c.SetBkImage(v); }},
        {L"foreimage", [](CControlUI& c, const wchar_t* v) { c.SetForeImage(v); }},
        {L"width", [](CControlUI& c, const wchar_t* v) { c.SetFixedWidth(ParseInt(v)); }},
        {L"height", [](CControlUI& c, const wchar_t* v) { c.SetFixedHeight(ParseInt(v)); }},
        {L"minwidth", [](CControlUI& c, const wchar_t* v) { c.SetMinWidth(ParseInt(v)); }},
        {L"minheight", [](CControlUI& c, const wchar_t* v) { c.SetMinHeight(ParseInt(v)); }},
        {L"maxwidth", [](CControlUI& c, const wchar_t* v) { c.SetMaxWidth(ParseInt(v)); }},
        {L"maxheight", [](CControlUI& c, const wchar_t* v) { c.SetMaxHeight(ParseInt(v)); }},
        {L"name", [](CControlUI& c, const wchar_t* v) { c.SetName(v); }},
        {L"drag", [](CControlUI& c, const wchar_t* v) { c.SetDragEnabled(ParseBool(v)); }},
        {L"drop", [](CControlUI& c, const wchar_t* v) { c.SetDropEnabled(ParseBool(v)); }},
        {L"resourcetext", [](CControlUI& c, const wchar_t* v) { c.SetTextFromResource(ParseBool(v)); }},
        {L"richevent", [](CControlUI& c, const wchar_t* v) { c.SetRichEvent(ParseBool(v)); }},
        {L"text", [](CControlUI& c, const wchar_t* v) { c.SetText(v); }},
        {L"tooltip", [](CControlUI& c, const wchar_t* v) { c.SetToolTip(v); }},
        {L"userdata", [](CControlUI& c, const wchar_t* v) { c.SetUserData(v); }},
        {L"enabled", [](CControlUI& c, const wchar_t* v) { c.SetEnabled(ParseBool(v)); }},
        {L"mouse", [](CControlUI& c, const wchar_t* v) { c.SetMouseEnabled(ParseBool(v)); }},
        {L"keyboard", [](CControlUI& c, const wchar_t* v) { c.SetKeyboardEnabled(ParseBool(v)); }},
        {L"visible", [](CControlUI& c, const wchar_t* v) { c.SetVisible(ParseBool(v)); }},
        {L"shortcut", [](CControlUI& c, const wchar_t* v) { c.SetShortcut(v[0]); }},
        {L"menu", [](CControlUI& c, const wchar_t* v) { c.SetMenuEnabled(ParseBool(v)); }},
        {L"cursor", ApplyCursor},
        {L"virtualwnd", [](CControlUI& c, const wchar_t* v) { c.ApplyVirtualWindow(v); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) StoreCustomAttribute(name, value);
}

// "style": a known style applies its definition one level below the list being applied, so a
// style that names itself through this attribute stops at the nesting bound too; any other value
// is kept as a custom attribute.
void CControlUI::ApplyStyle(const wchar_t* name, const wchar_t* value) {
    const wchar_t* style = manager_ != nullptr ? manager_->StyleDefinition(value) : nullptr;
    if (style != nullptr) {
        ApplyAttributeString(style, styleDepth_ + 1);
    } else {
        StoreCustomAttribute(name, value);
    }
}

// "virtualwnd": once any control declares one, the manager's notifications carry its name.
void CControlUI::ApplyVirtualWindow(const wchar_t* name) {
    virtualWindow_ = name;
    if (manager_ != nullptr) manager_->SetUsesVirtualWindows();
}

void CControlUI::ApplyAttributeString(const wchar_t* list) { ApplyAttributeString(list, 0); }

// A list naming a style applies that style. Styles may name styles, by name or through their
// "style" attribute, a few levels deep at most; deeper applications are ignored, so a style that
// names itself cannot recurse forever.
void CControlUI::ApplyAttributeString(const wchar_t* list, int depth) {
    if (list == nullptr || depth >= kMaxStyleNesting) return;
    if (const wchar_t* style = manager_ != nullptr ? manager_->StyleDefinition(list) : nullptr) {
        ApplyAttributeString(style, depth + 1);
        return;
    }
    CStringUI text(list);
    text.Replace(L"&quot;", L"\"");
    const int outerDepth = styleDepth_;
    styleDepth_ = depth;
    ApplyPairs(text.GetData());
    styleDepth_ = outerDepth;
}

// Pairs name="value" separated by one blank or comma, up to the first one that is not.
void CControlUI::ApplyPairs(const wchar_t* p) {
    for (;;) {
        const wchar_t* equals = std::wcschr(p, L'=');
        if (equals == nullptr || equals[1] != L'"') return;
        const wchar_t* value = equals + 2;
        const wchar_t* close = std::wcschr(value, L'"');
        if (close == nullptr) return;
        SetAttribute(CStringUI(p, static_cast<int>(equals - p)).GetData(),
                     CStringUI(value, static_cast<int>(close - value)).GetData());
        if (close[1] != L' ' && close[1] != L',') return;
        p = close + 2;
    }
}

void CControlUI::StoreCustomAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr || *name == 0 || *value == 0) return;
    if (customAttributes_.Find(name) != nullptr) return;
    customAttributes_.Insert(name, new CStringUI(value));
}

const wchar_t* CControlUI::GetCustomAttribute(const wchar_t* name) {
    const CStringUI* value = name != nullptr ? customAttributes_.Find(name) : nullptr;
    return value != nullptr ? value->GetData() : nullptr;
}

}  // namespace Tovik
