// Reading skin files whole, from a folder or from the resource archive, with a size limit; shared
// by the resource store and the markup loader, which report the outcomes differently.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/core/resource_zip_ui.h"

namespace Tovik {

// The bytes of resource `resource` (a name, or an id made by MAKEINTRESOURCEW) of `type` in
// `module` (the resource module when null); empty when there is none.
std::vector<unsigned char> ReadResourceBytes(const wchar_t* resource, const wchar_t* type, HINSTANCE module);

enum class SkinFileResult { kOk, kNotFound, kEmpty, kTooLarge, kUnreadable };

SkinFileResult ReadWholeFile(const wchar_t* path, uint32_t limit, std::vector<unsigned char>& bytes);

// `name` with '\' read as '/', found ignoring ASCII case.
SkinFileResult ReadArchiveEntry(HZIP archive, const wchar_t* name, uint32_t limit, std::vector<unsigned char>& bytes);

// The resource archive for one read: the held one, or one opened at resource path + zip name
// for this read alone and closed with this object. Null when there is none.
class SkinArchive {
public:
    SkinArchive();
    ~SkinArchive();
    SkinArchive(const SkinArchive&) = delete;
    SkinArchive& operator=(const SkinArchive&) = delete;

    HZIP get() const { return archive_; }

private:
    HZIP archive_ = nullptr;
    bool owned_ = false;
};

}  // namespace Tovik
