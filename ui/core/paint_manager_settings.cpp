// CPaintManagerUI: process-wide resource settings (module, resource path, archive) and the
// reading of skin files.
#include <string>

#include "support/platform.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_files.h"

namespace Tovik {
namespace {

std::string AnsiPassword(const CStringUI& password) {
    return Platform::ToNarrowString(Platform::CodePage::Ansi, password.GetData());
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

HINSTANCE CPaintManagerUI::moduleInstance_ = nullptr;
HINSTANCE CPaintManagerUI::resourceModule_ = nullptr;
CStringUI CPaintManagerUI::resourcePath_;
CStringUI CPaintManagerUI::zipName_;
CStringUI CPaintManagerUI::zipPassword_;
bool CPaintManagerUI::zipCached_ = false;
HZIP CPaintManagerUI::heldArchive_ = nullptr;

void CPaintManagerUI::SetModuleInstance(HINSTANCE instance) { moduleInstance_ = instance; }

HINSTANCE CPaintManagerUI::GetModuleInstance() { return moduleInstance_; }

HINSTANCE CPaintManagerUI::GetResourceModule() {
    return resourceModule_ != nullptr ? resourceModule_ : moduleInstance_;
}

const CStringUI& CPaintManagerUI::GetResourcePath() { return resourcePath_; }

void CPaintManagerUI::SetResourceZipFile(const wchar_t* name, bool cached, const wchar_t* password) {
    if (zipName_ == name && zipCached_ == cached) return;
    if (heldArchive_ != nullptr) {
        CResourceZipUI::CloseArchive(heldArchive_);
        heldArchive_ = nullptr;
    }
    zipName_ = name;
    zipCached_ = cached;
    zipPassword_ = password;
    if (cached) {
        const std::string ansi = AnsiPassword(zipPassword_);
        heldArchive_ = CResourceZipUI::OpenArchiveFile((resourcePath_ + zipName_).GetData(), OrNull(ansi));
    }
}

void CPaintManagerUI::SetResourceZipFromMemory(const void* data, uint32_t size, const wchar_t* password) {
    if (zipName_ == kMemoryArchiveName) return;
    if (heldArchive_ != nullptr) CResourceZipUI::CloseArchive(heldArchive_);
    zipName_ = kMemoryArchiveName;
    zipCached_ = true;
    zipPassword_ = password;
    const std::string ansi = AnsiPassword(zipPassword_);
    heldArchive_ = CResourceZipUI::OpenArchiveMemory(data, size, OrNull(ansi));
}

const CStringUI& CPaintManagerUI::GetResourceZipName() { return zipName_; }

const CStringUI& CPaintManagerUI::GetResourceZipPassword() { return zipPassword_; }

bool CPaintManagerUI::IsResourceZipCached() { return zipCached_; }

HZIP CPaintManagerUI::GetResourceZipArchive() { return heldArchive_; }

std::vector<unsigned char> CPaintManagerUI::LoadSkinBytes(const wchar_t* name) {
    constexpr uint32_t kNoLimit = UINT32_MAX;
    std::vector<unsigned char> bytes;
    if (name == nullptr || *name == 0) return bytes;
    if (zipName_.IsEmpty()) {
        ReadWholeFile((resourcePath_ + name).GetData(), kNoLimit, bytes);
    } else {
        SkinArchive archive;
        if (archive.get() != nullptr) ReadArchiveEntry(archive.get(), name, kNoLimit, bytes);
    }
    if (bytes.empty()) ReadWholeFile(name, kNoLimit, bytes);
    return bytes;
}

}  // namespace Tovik
