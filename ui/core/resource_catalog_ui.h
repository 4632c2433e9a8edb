// CResourceCatalogUI: the process-wide name catalogue that can translate text ids, image names
// and markup names. The program fills none of its tables, so each translation returns its input;
// an embedding application may add entries or a text query.
#pragma once

#include "ui/core/owning_string_map_ui.h"
#include "ui/core/string_ui.h"

namespace Tovik {

class IQueryControlText {
public:
    // The text for a control's text id, or null when there is none.
    virtual const wchar_t* QueryControlText(const wchar_t* id, const wchar_t* type) = 0;

protected:
    ~IQueryControlText() = default;
};

class CResourceCatalogUI {
public:
    static CResourceCatalogUI& Instance();

    CResourceCatalogUI() = default;
    CResourceCatalogUI(const CResourceCatalogUI&) = delete;
    CResourceCatalogUI& operator=(const CResourceCatalogUI&) = delete;

    void AddText(const wchar_t* id, const wchar_t* text);
    void AddImageName(const wchar_t* name, const wchar_t* fileName);
    void AddMarkupName(const wchar_t* name, const wchar_t* resourceId);
    void SetTextQuery(IQueryControlText* query) { query_ = query; }

    // Empty for a null id; the stored text; else the query's answer, remembered; else `id`.
    CStringUI TranslateText(const wchar_t* id, const wchar_t* type);
    // The mapped name, or null when there is none.
    const wchar_t* TranslateImageName(const wchar_t* name);
    const wchar_t* TranslateMarkupName(const wchar_t* name);

private:
    using TextTable = COwningStringMapUI<CStringUI>;

    static void Store(TextTable& table, const wchar_t* key, const wchar_t* value);
    static const wchar_t* Lookup(TextTable& table, const wchar_t* key);

    TextTable texts_;
    TextTable imageNames_;
    TextTable markupNames_;
    IQueryControlText* query_ = nullptr;
};

}  // namespace Tovik
