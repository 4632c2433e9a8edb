// The five archive operations over ZipReader, with the process-wide last result.
#include "ui/core/resource_zip_ui.h"

#include <memory>

#include "ui/core/zip_reader.h"
#include "ui/core/zip_source.h"

namespace Tovik {
namespace {

uint32_t g_lastResult = ZipResult::kSuccess;

uint32_t Report(uint32_t result) {
    g_lastResult = result;
    return result;
}

HZIP Wrap(std::unique_ptr<ZipSource> source, const char* password) {
    std::unique_ptr<ZipReader> reader = ZipReader::Open(std::move(source), password);
    if (reader == nullptr) {
        Report(ZipResult::kCannotOpen);
        return nullptr;
    }
    Report(ZipResult::kSuccess);
    return new TZipHandle{TZipHandle::kArchiveReader, reader.release()};
}

// kSuccess when `archive` is an open archive reader.
uint32_t CheckHandle(HZIP archive) {
    if (archive == nullptr) return ZipResult::kBadArgument;
    if (archive->kind != TZipHandle::kArchiveReader || archive->reader == nullptr) return ZipResult::kNotAnArchive;
    return ZipResult::kSuccess;
}

}  // namespace

HZIP CResourceZipUI::OpenArchiveFile(const wchar_t* path, const char* password) {
    return Wrap(ZipSource::OpenFile(path), password);
}

HZIP CResourceZipUI::OpenArchiveMemory(const void* data, uint32_t size, const char* password) {
    return Wrap(ZipSource::FromMemory(data, size), password);
}

uint32_t CResourceZipUI::FindEntry(HZIP archive, const wchar_t* name, bool ignoreCase, int* index,
                                   TZipEntryInfo* info) {
    const uint32_t checked = CheckHandle(archive);
    if (checked != ZipResult::kSuccess) return Report(checked);
    return Report(archive->reader->Find(name, ignoreCase, index, info));
}

uint32_t CResourceZipUI::ExtractEntry(HZIP archive, int index, void* buffer, uint32_t size) {
    const uint32_t checked = CheckHandle(archive);
    if (checked != ZipResult::kSuccess) return Report(checked);
    return Report(archive->reader->Extract(index, static_cast<unsigned char*>(buffer), size));
}

uint32_t CResourceZipUI::CloseArchive(HZIP archive) {
    const uint32_t checked = CheckHandle(archive);
    if (checked != ZipResult::kSuccess) return Report(checked);
    // The handle owns its reader; both go with this scope.
    const std::unique_ptr<TZipHandle> handle(archive);
    const std::unique_ptr<ZipReader> reader(handle->reader);
    return Report(ZipResult::kSuccess);
}

uint32_t CResourceZipUI::GetLastResult() { return g_lastResult; }

}  // namespace Tovik
