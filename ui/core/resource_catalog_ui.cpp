// The name catalogue's tables.
#include "ui/core/resource_catalog_ui.h"

namespace Tovik {

CResourceCatalogUI& CResourceCatalogUI::Instance() {
    static CResourceCatalogUI catalog;
    return catalog;
}

void CResourceCatalogUI::Store(TextTable& table, const wchar_t* key, const wchar_t* value) {
    if (key == nullptr || value == nullptr) return;
    table.Replace(key, new CStringUI(value));
}

const wchar_t* CResourceCatalogUI::Lookup(TextTable& table, const wchar_t* key) {
    if (key == nullptr) return nullptr;
    const CStringUI* value = table.Find(key);
    return value != nullptr ? value->GetData() : nullptr;
}

void CResourceCatalogUI::AddText(const wchar_t* id, const wchar_t* text) { Store(texts_, id, text); }

void CResourceCatalogUI::AddImageName(const wchar_t* name, const wchar_t* fileName) {
    Store(imageNames_, name, fileName);
}

void CResourceCatalogUI::AddMarkupName(const wchar_t* name, const wchar_t* resourceId) {
    Store(markupNames_, name, resourceId);
}

CStringUI CResourceCatalogUI::TranslateText(const wchar_t* id, const wchar_t* type) {
    if (id == nullptr) return CStringUI();
    if (const wchar_t* text = Lookup(texts_, id)) return CStringUI(text);
    if (query_ != nullptr) {
        if (const wchar_t* answer = query_->QueryControlText(id, type)) {
            Store(texts_, id, answer);
            return CStringUI(answer);
        }
    }
    return CStringUI(id);
}

const wchar_t* CResourceCatalogUI::TranslateImageName(const wchar_t* name) { return Lookup(imageNames_, name); }

const wchar_t* CResourceCatalogUI::TranslateMarkupName(const wchar_t* name) { return Lookup(markupNames_, name); }

}  // namespace Tovik
