// Whole-file reads from folders and archives.
#include "ui/core/skin_files.h"

#include <cstdio>
#include <string>

#include "support/platform.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {

std::vector<unsigned char> ReadResourceBytes(const wchar_t* resource, const wchar_t* type, HINSTANCE module) {
    if (module == nullptr) module = CPaintManagerUI::GetResourceModule();
    HRSRC found = FindResourceW(module, resource, type);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const DWORD size = found != nullptr ? SizeofResource(module, found) : 0;
    const auto* data = loaded != nullptr ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (data == nullptr || size == 0) return {};
    return std::vector<unsigned char>(data, data + size);
}

SkinFileResult ReadWholeFile(const wchar_t* path, uint32_t limit, std::vector<unsigned char>& bytes) {
    bytes.clear();
    FILE* file = Platform::OpenFile(path, L"rb");
    if (file == nullptr) return SkinFileResult::kNotFound;
    const int64_t size = Platform::FileSize(file);
    SkinFileResult result = SkinFileResult::kOk;
    if (size <= 0) {
        result = size == 0 ? SkinFileResult::kEmpty : SkinFileResult::kUnreadable;
    } else if (static_cast<uint64_t>(size) > limit) {
        result = SkinFileResult::kTooLarge;
    } else {
        bytes.resize(static_cast<size_t>(size));
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
            bytes.clear();
            result = SkinFileResult::kUnreadable;
        }
    }
    std::fclose(file);
    return result;
}

SkinFileResult ReadArchiveEntry(HZIP archive, const wchar_t* name, uint32_t limit, std::vector<unsigned char>& bytes) {
    bytes.clear();
    CStringUI entryName(name);
    entryName.Replace(L"\\", L"/");
    int index = -1;
    TZipEntryInfo info;
    // An entry that is there but damaged (its local header, extra data or size claim) is unreadable,
    // not missing.
    const uint32_t found = CResourceZipUI::FindEntry(archive, entryName.GetData(), true, &index, &info);
    if (found == ZipResult::kNotFound) return SkinFileResult::kNotFound;
    if (found != ZipResult::kSuccess) return SkinFileResult::kUnreadable;
    if (info.uncompressedSize == 0) return SkinFileResult::kEmpty;
    if (info.uncompressedSize > limit) return SkinFileResult::kTooLarge;
    bytes.resize(info.uncompressedSize);
    const uint32_t extracted = CResourceZipUI::ExtractEntry(archive, index, bytes.data(), info.uncompressedSize);
    if (extracted != ZipResult::kSuccess && extracted != ZipResult::kMoreData) {
        bytes.clear();
        return SkinFileResult::kUnreadable;
    }
    return SkinFileResult::kOk;
}

SkinArchive::SkinArchive() {
    if (CPaintManagerUI::IsResourceZipCached()) {
        archive_ = CPaintManagerUI::GetResourceZipArchive();
        return;
    }
    const CStringUI path = CPaintManagerUI::GetResourcePath() + CPaintManagerUI::GetResourceZipName();
    const std::string password =
        Platform::ToNarrowString(Platform::CodePage::Ansi, CPaintManagerUI::GetResourceZipPassword().GetData());
    archive_ = CResourceZipUI::OpenArchiveFile(path.GetData(), password.empty() ? nullptr : password.c_str());
    owned_ = true;
}

SkinArchive::~SkinArchive() {
    if (owned_ && archive_ != nullptr) CResourceZipUI::CloseArchive(archive_);
}

}  // namespace Tovik
