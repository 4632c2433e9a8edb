// A formatted-text host without a window: monospaced fonts whose metrics follow from their size
// and styles, two known images, and a record of everything drawn.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/core/formatted_text.h"

namespace TestText {

struct Font {
    std::wstring face;
    int size = 10;
    unsigned styles = 0;
};

// Size 10: 10 high with 2 of leading, 6 wide a character (7 when bold).
class FakeTextHost : public Tovik::IFormattedTextHost {
public:
    FakeTextHost() { base_ = Make(L"Base", 10, 0); }

    const void* BaseFont() override { return base_; }
    const void* FontById(int id) override { return id == 1 ? Make(L"Big", 20, 0) : base_; }
    const void* FontByDescription(const wchar_t* face, int size, unsigned styles) override {
        return Make(face != nullptr ? face : L"", size, styles);
    }
    const void* Variant(const void* font, unsigned style) override {
        const Font& from = *static_cast<const Font*>(font);
        return Make(from.face, from.size, from.styles | style);
    }
    unsigned StylesOf(const void* font) override { return static_cast<const Font*>(font)->styles; }
    Tovik::TTextMetrics MetricsOf(const void* font) override {
        const Font& f = *static_cast<const Font*>(font);
        Tovik::TTextMetrics metrics;
        metrics.height = f.size;
        metrics.externalLeading = f.size / 5;
        metrics.maxCharWidth = CharWidth(f);
        return metrics;
    }
    void SelectFont(const void* font) override { selected_ = static_cast<const Font*>(font); }
    int TextWidth(const wchar_t*, int length) override { return length * CharWidth(*selected_); }
    int SpaceOverhang() override { return overhang; }
    bool ImageSize(const Tovik::TInlineImage& image, int& width, int& height) override {
        if (image.name == L"btn.png") {
            width = 40;
            height = 10;
            return true;
        }
        if (image.name == L"tall.png") {
            width = 8;
            height = 30;
            return true;
        }
        return false;
    }
    uint32_t LinkColour() override { return 0xFF0000FF; }
    uint32_t LinkHoverColour() override { return 0xFFFF00FF; }
    POINT MousePoint() override { return mouse; }
    void DrawRun(int x, int y, const wchar_t* text, int length, uint32_t colour, bool selected) override {
        std::wstring entry = std::to_wstring(x) + L"," + std::to_wstring(y) + L":" + std::wstring(text, length);
        if ((selected_->styles & Tovik::StyleBold) != 0) entry += L"/b";
        if ((selected_->styles & Tovik::StyleItalic) != 0) entry += L"/i";
        if ((selected_->styles & Tovik::StyleUnderline) != 0) entry += L"/u";
        if (selected_->size != 10) entry += L"/" + std::to_wstring(selected_->size);
        if (colour != baseColour) {
            wchar_t hex[16];
            swprintf(hex, 16, L"#%08X", colour);
            entry += hex;
        }
        if (selected) entry += L"/s";
        drawn.push_back(entry);
    }
    void DrawImage(const Tovik::TInlineImage& image, const RECT& target, const RECT& source) override {
        drawn.push_back(L"[" + std::wstring(image.name.GetData()) + L" " + std::to_wstring(target.left) + L"," +
                        std::to_wstring(target.top) + L" from " + std::to_wstring(source.left) + L"-" +
                        std::to_wstring(source.right) + L"]");
    }

    // Everything drawn, joined by " | ".
    std::wstring Drawn() const {
        std::wstring out;
        for (const std::wstring& entry : drawn) out += (out.empty() ? L"" : L" | ") + entry;
        return out;
    }

    std::vector<std::wstring> drawn;
    POINT mouse = {-1, -1};
    int overhang = 0;
    uint32_t baseColour = 0xFF000000;

private:
    static int CharWidth(const Font& font) { return font.size * 6 / 10 + ((font.styles & Tovik::StyleBold) ? 1 : 0); }
    const Font* Make(const std::wstring& face, int size, unsigned styles) {
        fonts_.push_back(Font{face, size, styles});
        return &fonts_.back();
    }

    std::deque<Font> fonts_;
    const Font* base_ = nullptr;
    const Font* selected_ = nullptr;
};

}  // namespace TestText
