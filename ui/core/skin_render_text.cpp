// Single-style text: GDI by default, GDI+ for layered windows or when the window asks for it;
// measuring; and the "&#x" rule that draws one character given by its hexadecimal code.
#include <objidl.h>

#include <gdiplus.h>

#include <cwchar>
#include <memory>
#include <string>

#include "ui/core/gdi_handles.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

// The character named by the text after the first "&#x": at most 4 characters, without a final
// space and then a final ';', read as hexadecimal.
wchar_t EscapedCharacter(const wchar_t* escape) {
    std::wstring code(escape + 3, std::min<size_t>(std::wcslen(escape + 3), 4));
    if (!code.empty() && code.back() == L' ') code.pop_back();
    if (!code.empty() && code.back() == L';') code.pop_back();
    return static_cast<wchar_t>(std::wcstoul(code.c_str(), nullptr, 16));
}

void DrawGdiText(HDC dc, HFONT font, RECT& rect, const wchar_t* text, DWORD colour, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF));
    ScopedSelectObject select(dc, font);
    if (const wchar_t* escape = std::wcsstr(text, L"&#x")) {
        wchar_t character = EscapedCharacter(escape);
        DrawTextW(dc, &character, 1, &rect, format);
    } else {
        DrawTextW(dc, text, -1, &rect, format);
    }
}

std::unique_ptr<Gdiplus::StringFormat> TextFormat(UINT format) {
    std::unique_ptr<Gdiplus::StringFormat> result(Gdiplus::StringFormat::GenericTypographic()->Clone());
    INT flags = result->GetFormatFlags();
    if (format & DT_NOCLIP) flags |= Gdiplus::StringFormatFlagsNoClip;
    if (format & DT_SINGLELINE) flags |= Gdiplus::StringFormatFlagsNoWrap;
    result->SetFormatFlags(flags);
    if (format & DT_END_ELLIPSIS) result->SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    result->SetAlignment(format & DT_CENTER  ? Gdiplus::StringAlignmentCenter
                         : format & DT_RIGHT ? Gdiplus::StringAlignmentFar
                                             : Gdiplus::StringAlignmentNear);
    result->SetLineAlignment(format & DT_VCENTER  ? Gdiplus::StringAlignmentCenter
                             : format & DT_BOTTOM ? Gdiplus::StringAlignmentFar
                                                  : Gdiplus::StringAlignmentNear);
    return result;
}

void DrawGdiplusText(HDC dc, CPaintManagerUI& manager, HFONT font, RECT& rect, const wchar_t* text, DWORD colour,
                     UINT format) {
    ScopedSelectObject select(dc, font);
    Gdiplus::Graphics graphics(dc);
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    std::unique_ptr<Gdiplus::Font> gdiplusFont(new Gdiplus::Font(dc, &description));
    if (gdiplusFont->GetLastStatus() != Gdiplus::Ok) gdiplusFont.reset(new Gdiplus::Font(dc));
    const int hint = manager.GetGdiplusTextRenderingHint();
    graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(hint >= 1 && hint <= 5 ? hint : 0));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    const Gdiplus::SolidBrush brush(Gdiplus::Color(0xFE, colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF));
    const std::unique_ptr<Gdiplus::StringFormat> stringFormat = TextFormat(format);
    const Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(rect.left), static_cast<Gdiplus::REAL>(rect.top),
                                static_cast<Gdiplus::REAL>(rect.right - rect.left),
                                static_cast<Gdiplus::REAL>(rect.bottom - rect.top));
    if (format & DT_CALCRECT) {
        Gdiplus::RectF bounds;
        graphics.MeasureString(text, -1, gdiplusFont.get(), layout, stringFormat.get(), &bounds);
        rect.right = rect.left + static_cast<LONG>(bounds.Width) + 1;
        rect.bottom = rect.top + static_cast<LONG>(bounds.Height) + 1;
    } else {
        graphics.DrawString(text, -1, gdiplusFont.get(), layout, stringFormat.get(), &brush);
    }
}

}  // namespace

void CSkinRender::DrawText(HDC dc, CPaintManagerUI* manager, RECT& rect, const wchar_t* text, DWORD colour, int font,
                           UINT format) {
    if (manager == nullptr || text == nullptr || *text == 0) return;
    const HFONT handle = manager->FontHandleById(font);
    if (manager->IsLayered() || manager->IsUseGdiplusText()) {
        DrawGdiplusText(dc, *manager, handle, rect, text, colour, format);
    } else {
        DrawGdiText(dc, handle, rect, text, colour, format);
    }
}

void CSkinRender::DrawTextOnColor(HDC dc, CPaintManagerUI* manager, RECT& rect, const wchar_t* text, DWORD textColour,
                                  int font, UINT format, DWORD background) {
    DrawColor(dc, rect, background);
    DrawText(dc, manager, rect, text, textColour, font, format);
}

SIZE CSkinRender::MeasureText(HDC dc, CPaintManagerUI* manager, const wchar_t* text, int font) {
    SIZE size = {};
    if (manager == nullptr || text == nullptr || *text == 0) return size;
    SetBkMode(dc, TRANSPARENT);
    ScopedSelectObject select(dc, manager->FontHandleById(font));
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
    return size;
}

}  // namespace Tovik
