// libFuzzer target for the archive reader: open the input as an archive in memory, look up the
// names the seed archives use, and extract every entry in 64 KiB steps.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/core/resource_zip_ui.h"

using Tovik::CResourceZipUI;
using Tovik::TZipEntryInfo;
namespace ZipResult = Tovik::ZipResult;

namespace {

constexpr int kMaxEntries = 4096;
constexpr int kMaxSteps = 256;  // 16 MiB per entry at most
const wchar_t* const kNames[] = {
    L"FrameworkUI/main.xml", L"frameworkui/MAIN.XML", L"secret.txt", L"raw.bin", L"dir/a.txt", L"\x00C4.txt"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Tovik::HZIP archive = CResourceZipUI::OpenArchiveMemory(data, static_cast<uint32_t>(size), "Corvana-8.4");
    if (archive == nullptr) return 0;
    static std::vector<unsigned char> buffer(64 * 1024);
    for (const wchar_t* name : kNames) {
        for (bool ignoreCase : {false, true}) {
            int index = -1;
            TZipEntryInfo info;
            if (CResourceZipUI::FindEntry(archive, name, ignoreCase, &index, &info) == ZipResult::kSuccess) {
                CResourceZipUI::ExtractEntry(archive, index, buffer.data(), static_cast<uint32_t>(buffer.size()));
            }
        }
    }
    for (int index = 0; index < kMaxEntries; ++index) {
        uint32_t result = ZipResult::kMoreData;
        for (int step = 0; step < kMaxSteps && result == ZipResult::kMoreData; ++step) {
            result = CResourceZipUI::ExtractEntry(archive, index, buffer.data(), static_cast<uint32_t>(buffer.size()));
        }
        if (result == ZipResult::kBadArgument) break;
    }
    CResourceZipUI::CloseArchive(archive);
    return 0;
}
