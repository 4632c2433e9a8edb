// CControlUI's markup attributes: value syntax (booleans, integers, rectangles, sizes, colours),
// the attribute table, attribute strings with styles, and custom attributes.
#include <cstdlib>
#include <cwchar>

#include "support/platform.h"
#include "ui/controls/attribute_values.h"
#include "ui/controls/control_ui.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

bool Is(const wchar_t* name, const wchar_t* expected) { return Platform::EqualsIgnoringAsciiCase(name, expected); }

struct CursorName {
    const wchar_t* name;
    WORD id;
};

constexpr CursorName kCursors[] = {
    {L"arrow", 32512},    {L"ibeam", 32513},    {L"wait", 32514},     {L"cross", 32515},  {L"uparrow", 32516},
    {L"size", 32640},     {L"icon", 32641},     {L"sizenwse", 32642}, {L"sizenesw", 32643}, {L"sizewe", 32644},
    {L"sizens", 32645},   {L"sizeall", 32646},  {L"no", 32648},       {L"hand", 32649},
};

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

constexpr int kMaxStyleNesting = 8;

}  // namespace

void CControlUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    if (Is(name, L"style")) {
        const wchar_t* style = manager_ != nullptr ? manager_->StyleDefinition(value) : nullptr;
        if (style != nullptr) {
            ApplyAttributeString(style);
        } else {
            StoreCustomAttribute(name, value);
        }
    } else if (Is(name, L"innerstyle")) {
        ApplyAttributeString(value);
    } else if (Is(name, L"pos")) {
        const RECT r = ParseRect(value);
        SetFixedOffset(SIZE{r.left >= 0 ? r.left : r.right, r.top >= 0 ? r.top : r.bottom});
        SetFixedWidth(std::labs(r.right - r.left));
        SetFixedHeight(std::labs(r.bottom - r.top));
    } else if (Is(name, L"float")) {
        if (std::wcschr(value, L',') != nullptr) {
            double n[4] = {};
            ParseFractions(value, n);
            SetFloatRatios(TFloatRatios{n[0], n[1], n[2], n[3]});
            SetFloat(true);
        } else {
            SetFloat(ParseBool(value));
        }
    } else if (Is(name, L"floatalign")) {
        SetFloatAlign(ParseFloatAlign(floatAlign_, value));
    } else if (Is(name, L"padding")) {
        SetPadding(ParseRect(value));
    } else if (Is(name, L"gradient")) {
        SetGradient(value);
    } else if (Is(name, L"bkcolor") || Is(name, L"bkcolor1")) {
        SetBkColor(ParseColour(value, true));
    } else if (Is(name, L"bkcolor2")) {
        SetBkColor2(ParseColour(value, true));
    } else if (Is(name, L"bkcolor3")) {
        SetBkColor3(ParseColour(value, true));
    } else if (Is(name, L"forecolor")) {
        SetForeColor(ParseColour(value, true));
    } else if (Is(name, L"bordercolor")) {
        SetBorderColor(ParseColour(value, false));
    } else if (Is(name, L"focusbordercolor")) {
        SetFocusBorderColor(ParseColour(value, false));
    } else if (Is(name, L"colorhsl")) {
        SetColorHSL(ParseBool(value));
    } else if (Is(name, L"bordersize")) {
        if (std::wcschr(value, L',') != nullptr) {
            SetBorderSideSizes(ParseRect(value));
        } else {
            SetBorderSize(ParseInt(value));
            SetBorderSideSizes(RECT{});
        }
    } else if (Is(name, L"leftbordersize")) {
        SetLeftBorderSize(ParseInt(value));
    } else if (Is(name, L"topbordersize")) {
        SetTopBorderSize(ParseInt(value));
    } else if (Is(name, L"rightbordersize")) {
        SetRightBorderSize(ParseInt(value));
    } else if (Is(name, L"bottombordersize")) {
        SetBottomBorderSize(ParseInt(value));
    } else if (Is(name, L"borderstyle")) {
        SetBorderStyle(ParseInt(value));
    } else if (Is(name, L"borderround")) {
        SetBorderRound(ParseSize(value));
    } else if (Is(name, L"bkimage")) {
        SetBkImage(value);
    } else if (Is(name, L"foreimage")) {
        SetForeImage(value);
    } else if (Is(name, L"width")) {
        SetFixedWidth(ParseInt(value));
    } else if (Is(name, L"height")) {
        SetFixedHeight(ParseInt(value));
    } else if (Is(name, L"minwidth")) {
        SetMinWidth(ParseInt(value));
    } else if (Is(name, L"minheight")) {
        SetMinHeight(ParseInt(value));
    } else if (Is(name, L"maxwidth")) {
        SetMaxWidth(ParseInt(value));
    } else if (Is(name, L"maxheight")) {
        SetMaxHeight(ParseInt(value));
    } else if (Is(name, L"name")) {
        SetName(value);
    } else if (Is(name, L"drag")) {
        SetDragEnabled(ParseBool(value));
    } else if (Is(name, L"drop")) {
        SetDropEnabled(ParseBool(value));
    } else if (Is(name, L"resourcetext")) {
        SetTextFromResource(ParseBool(value));
    } else if (Is(name, L"richevent")) {
        SetRichEvent(ParseBool(value));
    } else if (Is(name, L"text")) {
        SetText(value);
    } else if (Is(name, L"tooltip")) {
        SetToolTip(value);
    } else if (Is(name, L"userdata")) {
        SetUserData(value);
    } else if (Is(name, L"enabled")) {
        SetEnabled(ParseBool(value));
    } else if (Is(name, L"mouse")) {
        SetMouseEnabled(ParseBool(value));
    } else if (Is(name, L"keyboard")) {
        SetKeyboardEnabled(ParseBool(value));
    } else if (Is(name, L"visible")) {
        SetVisible(ParseBool(value));
    } else if (Is(name, L"shortcut")) {
        SetShortcut(value[0]);
    } else if (Is(name, L"menu")) {
        SetMenuEnabled(ParseBool(value));
    } else if (Is(name, L"cursor")) {
        for (const CursorName& cursor : kCursors) {
            if (Is(value, cursor.name)) SetCursorId(cursor.id);
        }
    } else if (Is(name, L"virtualwnd")) {
        virtualWindow_ = value;
        if (manager_ != nullptr) manager_->SetUsesVirtualWindows();
    } else {
        StoreCustomAttribute(name, value);
    }
}

// A list naming a style applies that style (styles may name styles, a few levels deep at most,
// so a style naming itself cannot recurse forever).
void CControlUI::ApplyAttributeString(const wchar_t* list) {
    static int nesting = 0;
    if (list == nullptr || nesting >= kMaxStyleNesting) return;
    if (const wchar_t* style = manager_ != nullptr ? manager_->StyleDefinition(list) : nullptr) {
        ++nesting;
        ApplyAttributeString(style);
        --nesting;
        return;
    }
    CStringUI text(list);
    text.Replace(L"&quot;", L"\"");
    const wchar_t* p = text.GetData();
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
    const auto* value = name != nullptr ? static_cast<const CStringUI*>(customAttributes_.Find(name)) : nullptr;
    return value != nullptr ? value->GetData() : nullptr;
}

}  // namespace Tovik
