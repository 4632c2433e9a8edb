// CPaintManagerUI: construction and destruction, the DPI scaler, and the window's resource tables:
// images, fonts, default attribute lists and styles.
#include "ui/core/paint_manager_ui.h"

#include <objidl.h>

#include <gdiplus.h>

#include <cwchar>
#include <string>

#include "ui/core/gdi_handles.h"
#include "ui/core/resource_catalog_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

constexpr int kBoldWeight = 700;

LOGFONTW StockFontDescription() {
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font;
}

void FreeFont(TSkinFont* font) {
    if (font == nullptr) return;
    if (font->handle != nullptr) DeleteObject(font->handle);
    delete font;
}

// Frees every value of a table whose values are `T*` with `free`, and empties it.
template <typename T, typename Free>
void EmptyTable(CStringMapUI& table, Free free) {
    for (int i = 0; i < table.GetSize(); ++i) free(static_cast<T*>(table.GetValueAt(i)));
    table.RemoveAll();
}

void EmptyStringTable(CStringMapUI& table) {
    EmptyTable<CStringUI>(table, [](CStringUI* text) { delete text; });
}

// Stores `value` under `key`, freeing what it replaces.
template <typename T, typename Free>
void Replace(CStringMapUI& table, const wchar_t* key, T* value, Free free) {
    if (T* old = static_cast<T*>(table.Find(key))) {
        table.Remove(key);
        free(old);
    }
    table.Insert(key, value);
}

}  // namespace

CStringMapUI CPaintManagerUI::sharedImages_;
CStringMapUI CPaintManagerUI::sharedFonts_;
CStringMapUI CPaintManagerUI::sharedDefaultAttributes_;
CStringMapUI CPaintManagerUI::sharedStyles_;
TSkinFont CPaintManagerUI::sharedDefaultFont_;

// GDI+ (version 1) lives as long as each paint manager: solid fills and GDI+ text need it.
CPaintManagerUI::CPaintManagerUI() {
    Gdiplus::GdiplusStartupInput startup;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &startup, nullptr);
    if (sharedDefaultFont_.face.IsEmpty()) {
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
}

CPaintManagerUI::~CPaintManagerUI() {
    DeleteDelayed();
    EmptyWindowTables();
    RemoveAllOptionGroups();
    RemoveAllTimers();
    if (windowDC_ != nullptr) ReleaseDC(window_, windowDC_);
    if (defaultFont_.handle != nullptr) DeleteObject(defaultFont_.handle);
    for (int i = 0; i < privateFonts_.GetSize(); ++i) RemoveFontMemResourceEx(privateFonts_[i]);
    Gdiplus::GdiplusShutdown(gdiplusToken_);
}

void CPaintManagerUI::EmptyWindowTables() {
    ClearSkinImages(false);
    ClearSkinFonts(false);
    ClearDefaultAttributes(false);
    ClearStyles(false);
    ClearDrawInfos();
}

TSkinDrawInfo* CPaintManagerUI::GetDrawInfo(const wchar_t* image, const wchar_t* modifier) {
    const CStringUI key = CStringUI(image) + modifier;
    if (key.IsEmpty()) return nullptr;
    if (auto* info = static_cast<TSkinDrawInfo*>(drawInfos_.Find(key.GetData()))) return info;
    auto* info = new TSkinDrawInfo;
    ParseDrawInfo(*info, image, modifier, &GetDpiScaler());
    drawInfos_.Insert(key.GetData(), info);
    return info;
}

void CPaintManagerUI::ClearDrawInfos() {
    EmptyTable<TSkinDrawInfo>(drawInfos_, [](TSkinDrawInfo* info) { delete info; });
}

CDpiScaler& CPaintManagerUI::GetDpiScaler() {
    if (dpiScaler_ == nullptr) dpiScaler_ = std::make_unique<CDpiScaler>();
    return *dpiScaler_;
}

CStringMapUI& CPaintManagerUI::ImageTable(bool shared) {
    return shared || useSharedTables_ ? sharedImages_ : images_;
}

CStringMapUI& CPaintManagerUI::FontTable(bool shared) { return shared || useSharedTables_ ? sharedFonts_ : fonts_; }

CStringMapUI& CPaintManagerUI::AttributeTable(bool shared) {
    return shared || useSharedTables_ ? sharedDefaultAttributes_ : defaultAttributes_;
}

CStringMapUI& CPaintManagerUI::StyleTable(bool shared) { return shared || useSharedTables_ ? sharedStyles_ : styles_; }

// ---- Images ----

TSkinImage* CPaintManagerUI::AddSkinImage(const wchar_t* name, const wchar_t* type, DWORD colourKey, bool shared,
                                          HINSTANCE module) {
    if (name == nullptr || *name == 0) return nullptr;
    TSkinImage* image = nullptr;
    if (type != nullptr && *type != 0) {
        if (name[0] < L'0' || name[0] > L'9') return nullptr;
        image = CSkinRender::LoadSkinImage(nullptr, static_cast<unsigned>(std::wcstoul(name, nullptr, 10)), type,
                                           colourKey, module);
        if (image != nullptr) image->resourceType = type;
    } else {
        const wchar_t* mapped = CResourceCatalogUI::Instance().TranslateImageName(name);
        image = CSkinRender::LoadSkinImage(mapped != nullptr && *mapped != 0 ? mapped : name, 0, nullptr, colourKey,
                                           module);
    }
    if (image == nullptr) return nullptr;
    image->colourKey = colourKey;
    Replace(ImageTable(shared), name, image, CSkinRender::FreeSkinImage);
    return image;
}

TSkinImage* CPaintManagerUI::FindSkinImage(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    if (auto* image = static_cast<TSkinImage*>(images_.Find(name))) return image;
    return static_cast<TSkinImage*>(sharedImages_.Find(name));
}

TSkinImage* CPaintManagerUI::AcquireSkinImage(const wchar_t* name, const wchar_t* type, DWORD colourKey,
                                              HINSTANCE module) {
    if (TSkinImage* image = FindSkinImage(name)) return image;
    return AddSkinImage(name, type, colourKey, false, module);
}

void CPaintManagerUI::ClearSkinImages(bool shared) {
    EmptyTable<TSkinImage>(shared ? sharedImages_ : images_, CSkinRender::FreeSkinImage);
}

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
    const HDC dc = windowDC_ != nullptr ? windowDC_ : memoryDC.get();
    ScopedSelectObject select(dc, font.handle);
    GetTextMetricsW(dc, &font.metrics);
}

HFONT CPaintManagerUI::AddSkinFont(int id, const wchar_t* face, int size, bool bold, bool underline, bool italic,
                                   bool shared) {
    LOGFONTW created;
    const HFONT handle = CreateSkinFont(face, size, bold ? kBoldWeight : StockFontDescription().lfWeight, underline,
                                        italic, created);
    if (handle == nullptr) return nullptr;
    auto* font = new TSkinFont;
    font->handle = handle;
    font->face = created.lfFaceName;
    font->size = size;
    font->bold = bold;
    font->underline = underline;
    font->italic = italic;
    if (windowDC_ != nullptr) Measure(*font);
    Replace(FontTable(shared), std::to_wstring(id).c_str(), font, FreeFont);
    return handle;
}

void CPaintManagerUI::SetDefaultSkinFont(const wchar_t* face, int size, bool bold, bool underline, bool italic,
                                         bool shared) {
    const LONG stockWeight = StockFontDescription().lfWeight;
    LOGFONTW created;
    const HFONT handle = CreateSkinFont(face, size, bold ? stockWeight + kBoldWeight : stockWeight, underline, italic,
                                        created);
    if (handle == nullptr) return;
    TSkinFont& target = shared ? sharedDefaultFont_ : defaultFont_;
    if (target.handle != nullptr) DeleteObject(target.handle);
    target.handle = handle;
    target.face = created.lfFaceName;
    target.size = size;
    target.bold = bold;
    target.underline = underline;
    target.italic = italic;
    target.metrics = TEXTMETRICW{};
    if (windowDC_ != nullptr) Measure(target);
}

TSkinFont* CPaintManagerUI::DefaultFontInfo() {
    TSkinFont& font = defaultFont_.face.IsEmpty() ? sharedDefaultFont_ : defaultFont_;
    Measure(font);
    return &font;
}

TSkinFont* CPaintManagerUI::FindFontRecord(int id) {
    if (id < 0) return nullptr;
    const std::wstring key = std::to_wstring(id);
    if (auto* font = static_cast<TSkinFont*>(fonts_.Find(key.c_str()))) return font;
    return static_cast<TSkinFont*>(sharedFonts_.Find(key.c_str()));
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
    for (const CStringMapUI* table : {&fonts_, &sharedFonts_}) {
        for (int i = 0; i < table->GetSize(); ++i) {
            auto* font = static_cast<TSkinFont*>(table->GetValueAt(i));
            if (font->handle != handle) continue;
            Measure(*font);
            return font;
        }
    }
    return DefaultFontInfo();
}

HFONT CPaintManagerUI::FindFontHandle(const wchar_t* face, int size, bool bold, bool underline, bool italic) {
    for (const CStringMapUI* table : {&fonts_, &sharedFonts_}) {
        for (int i = 0; i < table->GetSize(); ++i) {
            const auto* font = static_cast<const TSkinFont*>(table->GetValueAt(i));
            if (font->face == face && font->size == size && font->bold == bold && font->underline == underline &&
                font->italic == italic) {
                return font->handle;
            }
        }
    }
    return nullptr;
}

void CPaintManagerUI::ClearSkinFonts(bool shared) { EmptyTable<TSkinFont>(shared ? sharedFonts_ : fonts_, FreeFont); }

void CPaintManagerUI::LoadPrivateFontFile(const wchar_t* name) {
    std::vector<unsigned char> bytes = LoadSkinBytes(name);
    if (bytes.empty()) return;
    DWORD installed = 0;
    HANDLE registration = AddFontMemResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &installed);
    if (registration != nullptr) privateFonts_.Add(registration);
}

// ---- Default attribute lists and styles ----

void CPaintManagerUI::AddDefaultAttributes(const wchar_t* className, const wchar_t* attributes, bool shared) {
    if (className == nullptr || attributes == nullptr) return;
    Replace(AttributeTable(shared), className, new CStringUI(attributes), [](CStringUI* text) { delete text; });
}

const wchar_t* CPaintManagerUI::DefaultAttributesFor(const wchar_t* className) {
    if (className == nullptr) return nullptr;
    auto* list = static_cast<CStringUI*>(defaultAttributes_.Find(className));
    if (list == nullptr) list = static_cast<CStringUI*>(sharedDefaultAttributes_.Find(className));
    return list != nullptr ? list->GetData() : nullptr;
}

void CPaintManagerUI::ClearDefaultAttributes(bool shared) {
    EmptyStringTable(shared ? sharedDefaultAttributes_ : defaultAttributes_);
}

void CPaintManagerUI::AddStyleDefinition(const wchar_t* name, const wchar_t* attributes, bool shared) {
    if (name == nullptr || attributes == nullptr) return;
    CStringMapUI& table = StyleTable(shared);
    if (table.Find(name) == nullptr) table.Insert(name, new CStringUI(attributes));
}

const wchar_t* CPaintManagerUI::StyleDefinition(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    auto* style = static_cast<CStringUI*>(styles_.Find(name));
    if (style == nullptr) style = static_cast<CStringUI*>(sharedStyles_.Find(name));
    return style != nullptr ? style->GetData() : nullptr;
}

void CPaintManagerUI::ClearStyles(bool shared) { EmptyStringTable(shared ? sharedStyles_ : styles_); }

}  // namespace Tovik
