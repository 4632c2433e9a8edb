// CSkinMarkup::ParseSkinFile: markup from the resource folder or archive, at most 4 MiB.
#include <vector>

#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_files.h"
#include "ui/core/skin_markup.h"

namespace Tovik {

bool CSkinMarkup::ParseSkinFile(const wchar_t* name, int encoding) {
    Clear();
    std::vector<unsigned char> bytes;
    SkinFileResult result = SkinFileResult::kNotFound;
    if (CPaintManagerUI::GetResourceZipName().IsEmpty()) {
        result = ReadWholeFile((CPaintManagerUI::GetResourcePath() + name).GetData(), kMaxSkinFileSize, bytes);
        if (result == SkinFileResult::kNotFound) return Fail(L"Error opening file", nullptr);
        if (result == SkinFileResult::kUnreadable) return Fail(L"Could not read file", nullptr);
    } else {
        SkinArchive archive;
        if (archive.get() == nullptr) return Fail(L"Error opening zip file", nullptr);
        result = ReadArchiveEntry(archive.get(), name, kMaxSkinFileSize, bytes);
        if (result == SkinFileResult::kNotFound) return Fail(L"Could not find ziped file", nullptr);
        if (result == SkinFileResult::kUnreadable) return Fail(L"Could not unzip file", nullptr);
    }
    if (result == SkinFileResult::kEmpty) return Fail(L"File is empty", nullptr);
    if (result == SkinFileResult::kTooLarge) return Fail(L"File too large", nullptr);
    return ParseBuffer(bytes.data(), static_cast<uint32_t>(bytes.size()), encoding);
}

}  // namespace Tovik
