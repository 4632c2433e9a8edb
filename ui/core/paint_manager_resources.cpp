// CPaintManagerUI: the window's resource tables — images, fonts, default attribute lists, styles
// and parsed image attribute strings — each per window with a shared table behind it.
#include <cwchar>
#include <string>

#include "ui/core/paint_manager_ui.h"
#include "ui/core/resource_catalog_ui.h"

namespace Tovik {
namespace {

constexpr int kBoldWeight = 700;

LOGFONTW StockFontDescription() {
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}

}  // namespace

void ReleaseFontHandle(TSkinFont& font) {
    if (font.handle != nullptr) DeleteObject(font.handle);
    font.handle = nullptr;
}

void FreeSkinFont(TSkinFont* font) {
    if (font == nullptr) return;
    ReleaseFontHandle(*font);
    delete font;
}

CPaintManagerUI::ImageTable CPaintManagerUI::sharedImages_;
CPaintManagerUI::FontTable CPaintManagerUI::sharedFonts_;
CPaintManagerUI::TextTable CPaintManagerUI::sharedDefaultAttributes_;
CPaintManagerUI::TextTable CPaintManagerUI::sharedStyles_;
TSkinFont CPaintManagerUI::sharedDefaultFont_;

void CPaintManagerUI::InitSharedDefaultFont() {
    if (!sharedDefaultFont_.face.IsEmpty()) return;
    LOGFONTW description = StockFontDescription();
    description.lfCharSet = DEFAULT_CHARSET;
    sharedDefaultFont_.handle = CreateFontIndirectW(&description);
    sharedDefaultFont_.face = description.lfFaceName;
    sharedDefaultFont_.size = -description.lfHeight;
    sharedDefaultFont_.bold = description.lfWeight >= kBoldWeight;
    sharedDefaultFont_.underline = description.lfUnderline != 0;
    sharedDefaultFont_.italic = description.lfItalic != 0;
    sharedDefaultFont_.metrics = TEXTMETRICW{};
}

void CPaintManagerUI::EmptyWindowTables() {
    ClearSkinImages(false);
    ClearSkinFonts(false);
    ClearDefaultAttributes(false);
    ClearStyles(false);
    ClearDrawInfos();
}

CPaintManagerUI::ImageTable& CPaintManagerUI::ImagesFor(bool shared) {
    return shared || useSharedTables_ ? sharedImages_ : images_;
}

CPaintManagerUI::FontTable& CPaintManagerUI::FontsFor(bool shared) {
    return shared || useSharedTables_ ? sharedFonts_ : fonts_;
}

CPaintManagerUI::TextTable& CPaintManagerUI::AttributesFor(bool shared) {
    return shared || useSharedTables_ ? sharedDefaultAttributes_ : defaultAttributes_;
}

CPaintManagerUI::TextTable& CPaintManagerUI::StylesFor(bool shared) {
    return shared || useSharedTables_ ? sharedStyles_ : styles_;
}

// ---- Parsed image attribute strings ----

TSkinDrawInfo* CPaintManagerUI::GetDrawInfo(const wchar_t* image, const wchar_t* modifier) {
    const CStringUI key = CStringUI(image) + modifier;
    if (key.IsEmpty()) return nullptr;
    if (TSkinDrawInfo* info = drawInfos_.Find(key.GetData())) return info;
    auto* info = new TSkinDrawInfo;
    ParseDrawInfo(*info, image, modifier, &GetDpiScaler());
    drawInfos_.Insert(key.GetData(), info);
    return info;
}

void CPaintManagerUI::ClearDrawInfos() { drawInfos_.RemoveAll(); }

// ---- Images ----

TSkinImage* CPaintManagerUI::AddSkinImage(const wchar_t* name, const wchar_t* type, DWORD colourKey, bool shared,
                                          HINSTANCE module) {
    if (name == nullptr || *name == 0) return nullptr;
    TSkinImage* image = nullptr;
    if (type != nullptr && *type != 0) {
        if (name[0] < L'0' || name[0] > L'9') return nullptr;
        // A resource id has 16 bits: a larger number is the resource's name, not an id that wraps.
        const unsigned long id = std::wcstoul(name, nullptr, 10);
        image = id <= 0xFFFF ? CSkinRender::LoadSkinImage(nullptr, static_cast<unsigned>(id), type, colourKey, module)
                             : CSkinRender::LoadSkinImage(name, 0, type, colourKey, module);
        if (image != nullptr) image->resourceType = type;
    } else {
        const wchar_t* mapped = CResourceCatalogUI::Instance().TranslateImageName(name);
        image = CSkinRender::LoadSkinImage(mapped != nullptr && *mapped != 0 ? mapped : name, 0, nullptr, colourKey,
                                           module);
    }
    if (image == nullptr) return nullptr;
    image->colourKey = colourKey;
    ImagesFor(shared).Replace(name, image);
    return image;
}

TSkinImage* CPaintManagerUI::FindSkinImage(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    if (TSkinImage* image = images_.Find(name)) return image;
    return sharedImages_.Find(name);
}

TSkinImage* CPaintManagerUI::AcquireSkinImage(const wchar_t* name, const wchar_t* type, DWORD colourKey,
                                              HINSTANCE module) {
    if (TSkinImage* image = FindSkinImage(name)) return image;
    return AddSkinImage(name, type, colourKey, false, module);
}

void CPaintManagerUI::ClearSkinImages(bool shared) { (shared ? sharedImages_ : images_).RemoveAll(); }

// ---- Fonts ----

HFONT CPaintManagerUI::CreateSkinFont(const wchar_t* face, int size, int weight, bool underline, bool italic,
                                      LOGFONTW& created) {
    created = StockFontDescription();
    if (face != nullptr && *face != 0) {
        std::wcsncpy(created.lfFaceName, face, LF_FACESIZE - 1);
        created.lfFaceName[LF_FACESIZE - 1] = 0;
    }
    created.lfCharSet = DEFAULT_CHARSET;
    created.lfHeight = -GetDpiScaler().Scale(size);
    created.lfWeight = weight;
    created.lfUnderline = underline ? TRUE : FALSE;
    created.lfItalic = italic ? TRUE : FALSE;
    return CreateFontIndirectW(&created);
}

void CPaintManagerUI::Measure(TSkinFont& font) {
    if (font.metrics.tmHeight != 0 || font.handle == nullptr) return;
    ScopedMemoryDC memoryDC;
    const HDC dc = windowDC_.get() != nullptr ? windowDC_.get() : memoryDC.get();
    ScopedSelectObject select(dc, font.handle);
    GetTextMetricsW(dc, &font.metrics);
}

HFONT CPaintManagerUI::AddSkinFont(int id, const wchar_t* face, int size, bool bold, bool underline, bool italic,
                                   bool shared) {
    LOGFONTW created;
    const HFONT handle =
        CreateSkinFont(face, size, bold ? kBoldWeight : StockFontDescription().lfWeight, underline, italic, created);
    if (handle == nullptr) return nullptr;
    auto* font = new TSkinFont;
    font->handle = handle;
    font->face = created.lfFaceName;
    font->size = size;
    font->bold = bold;
    font->underline = underline;
    font->italic = italic;
    if (windowDC_.get() != nullptr) Measure(*font);
    FontsFor(shared).Replace(std::to_wstring(id).c_str(), font);
    return handle;
}

void CPaintManagerUI::SetDefaultSkinFont(const wchar_t* face, int size, bool bold, bool underline, bool italic,
                                         bool shared) {
    const LONG stockWeight = StockFontDescription().lfWeight;
    LOGFONTW created;
    const HFONT handle =
        CreateSkinFont(face, size, bold ? stockWeight + kBoldWeight : stockWeight, underline, italic, created);
    if (handle == nullptr) return;
    TSkinFont& target = shared ? sharedDefaultFont_ : defaultFont_;
    ReleaseFontHandle(target);
    target.handle = handle;
    target.face = created.lfFaceName;
    target.size = size;
    target.bold = bold;
    target.underline = underline;
    target.italic = italic;
    target.metrics = TEXTMETRICW{};
    if (windowDC_.get() != nullptr) Measure(target);
}

TSkinFont* CPaintManagerUI::DefaultFontInfo() {
    TSkinFont& font = defaultFont_.face.IsEmpty() ? sharedDefaultFont_ : defaultFont_;
    Measure(font);
    return &font;
}

TSkinFont* CPaintManagerUI::FindFontRecord(int id) {
    if (id < 0) return nullptr;
    const std::wstring key = std::to_wstring(id);
    if (TSkinFont* font = fonts_.Find(key.c_str())) return font;
    return sharedFonts_.Find(key.c_str());
}

HFONT CPaintManagerUI::FontHandleById(int id) {
    const TSkinFont* font = FindFontRecord(id);
    return font != nullptr ? font->handle : DefaultFontInfo()->handle;
}

TSkinFont* CPaintManagerUI::FontInfoById(int id) {
    TSkinFont* font = FindFontRecord(id);
    if (font == nullptr) return DefaultFontInfo();
    Measure(*font);
    return font;
}

TSkinFont* CPaintManagerUI::FontInfoByHandle(HFONT handle) {
    for (const FontTable* table : {&fonts_, &sharedFonts_}) {
        for (int i = 0; i < table->GetSize(); ++i) {
            TSkinFont* font = table->GetValueAt(i);
            if (font->handle != handle) continue;
            Measure(*font);
            return font;
        }
    }
    return DefaultFontInfo();
}

HFONT CPaintManagerUI::FindFontHandle(const wchar_t* face, int size, bool bold, bool underline, bool italic) {
    for (const FontTable* table : {&fonts_, &sharedFonts_}) {
        for (int i = 0; i < table->GetSize(); ++i) {
            const TSkinFont* font = table->GetValueAt(i);
            if (font->face == face && font->size == size && font->bold == bold && font->underline == underline &&
                font->italic == italic) {
                return font->handle;
            }
        }
    }
    return nullptr;
}

void CPaintManagerUI::ClearSkinFonts(bool shared) {
    (shared ? sharedFonts_ : fonts_).RemoveAll();
    if (!shared) variantFonts_ = 0;
}

TSkinFont* CPaintManagerUI::AcquireVariantFont(const wchar_t* face, int size, bool bold, bool underline, bool italic) {
    if (HFONT found = FindFontHandle(face, size, bold, underline, italic)) return FontInfoByHandle(found);
    if (variantFonts_ >= kMaxVariantFonts) return nullptr;
    const HFONT made = AddSkinFont(kFirstVariantFontId + variantFonts_, face, size, bold, underline, italic, false);
    if (made == nullptr) return nullptr;
    ++variantFonts_;
    return FontInfoByHandle(made);
}

void CPaintManagerUI::LoadPrivateFontFile(const wchar_t* name) {
    const std::vector<unsigned char> bytes = LoadSkinBytes(name);
    if (!bytes.empty()) privateFonts_.Register(bytes.data(), static_cast<DWORD>(bytes.size()));
}

// ---- Default attribute lists and styles ----

void CPaintManagerUI::AddDefaultAttributes(const wchar_t* className, const wchar_t* attributes, bool shared) {
    if (className == nullptr || attributes == nullptr) return;
    AttributesFor(shared).Replace(className, new CStringUI(attributes));
}

const wchar_t* CPaintManagerUI::DefaultAttributesFor(const wchar_t* className) {
    if (className == nullptr) return nullptr;
    const CStringUI* list = defaultAttributes_.Find(className);
    if (list == nullptr) list = sharedDefaultAttributes_.Find(className);
    return list != nullptr ? list->GetData() : nullptr;
}

void CPaintManagerUI::ClearDefaultAttributes(bool shared) {
    (shared ? sharedDefaultAttributes_ : defaultAttributes_).RemoveAll();
}

void CPaintManagerUI::AddStyleDefinition(const wchar_t* name, const wchar_t* attributes, bool shared) {
    if (name == nullptr || attributes == nullptr) return;
    TextTable& table = StylesFor(shared);
    if (table.Find(name) == nullptr) table.Insert(name, new CStringUI(attributes));
}

const wchar_t* CPaintManagerUI::StyleDefinition(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    const CStringUI* style = styles_.Find(name);
    if (style == nullptr) style = sharedStyles_.Find(name);
    return style != nullptr ? style->GetData() : nullptr;
}

void CPaintManagerUI::ClearStyles(bool shared) { (shared ? sharedStyles_ : styles_).RemoveAll(); }

}  // namespace Tovik
