// Extracts every entry of an archive with our reader (from the file and from memory) and with
// minizip, alternating, and prints the throughput of each (uncompressed MB/s) and the ratio.
//
//   zip_extract ARCHIVE [ROUNDS]
#include <minizip/unzip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/platform.h"
#include "ui/core/resource_zip_ui.h"

namespace {

using Clock = std::chrono::steady_clock;
using Tovik::CResourceZipUI;

struct Listing {
    std::vector<std::wstring> names;
    size_t largest = 0;
    uint64_t total = 0;
};

Listing List(const char* path) {
    Listing listing;
    unzFile zip = unzOpen(path);
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info info;
        unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        listing.names.push_back(Platform::ToWideString(Platform::CodePage::Utf8, name));
        listing.largest = std::max<size_t>(listing.largest, info.uncompressed_size);
        listing.total += info.uncompressed_size;
    }
    unzClose(zip);
    return listing;
}

// The engine's way: find by name, then one buffer of the entry's size.
bool ExtractOurs(Tovik::HZIP archive, const Listing& listing, std::vector<char>& buffer) {
    bool ok = archive != nullptr;
    for (const std::wstring& name : listing.names) {
        int index = -1;
        Tovik::TZipEntryInfo info;
        ok = ok && CResourceZipUI::FindEntry(archive, name.c_str(), true, &index, &info) == Tovik::ZipResult::kSuccess;
        ok = ok && CResourceZipUI::ExtractEntry(archive, index, buffer.data(), info.uncompressedSize) ==
                       Tovik::ZipResult::kSuccess;
    }
    CResourceZipUI::CloseArchive(archive);
    return ok;
}

bool ExtractMinizip(const char* path, std::vector<char>& buffer) {
    unzFile zip = unzOpen(path);
    bool ok = zip != nullptr;
    for (int status = unzGoToFirstFile(zip); ok && status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info info;
        unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0);
        ok = unzOpenCurrentFile(zip) == UNZ_OK &&
             unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(info.uncompressed_size)) ==
                 static_cast<int>(info.uncompressed_size);
        ok = unzCloseCurrentFile(zip) == UNZ_OK && ok;  // also checks the CRC
    }
    unzClose(zip);
    return ok;
}

template <typename Run>
double Seconds(Run run) {
    const auto start = Clock::now();
    if (!run()) {
        std::fprintf(stderr, "extraction failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zip_extract ARCHIVE [ROUNDS]\n");
        return 2;
    }
    const char* path = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    const Listing listing = List(path);
    std::vector<char> buffer(listing.largest + 1);
    std::ifstream in(path, std::ios::binary);
    const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::wstring widePath = Platform::ToWideString(Platform::CodePage::Utf8, path);

    std::vector<double> oursFile, oursMemory, minizip;
    for (int round = 0; round < rounds; ++round) {
        oursFile.push_back(Seconds(
            [&] { return ExtractOurs(CResourceZipUI::OpenArchiveFile(widePath.c_str(), nullptr), listing, buffer); }));
        minizip.push_back(Seconds([&] { return ExtractMinizip(path, buffer); }));
        oursMemory.push_back(Seconds([&] {
            return ExtractOurs(
                CResourceZipUI::OpenArchiveMemory(image.data(), static_cast<uint32_t>(image.size()), nullptr), listing,
                buffer);
        }));
    }
    const double megabytes = listing.total / 1e6;
    std::printf("%zu entries, %.1f MB uncompressed, %d rounds, median:\n", listing.names.size(), megabytes, rounds);
    std::printf("  CResourceZipUI (file)    %8.1f MB/s\n", megabytes / Median(oursFile));
    std::printf("  CResourceZipUI (memory)  %8.1f MB/s\n", megabytes / Median(oursMemory));
    std::printf("  minizip (file)           %8.1f MB/s\n", megabytes / Median(minizip));
    std::printf("  ratio ours (file) / minizip  %.3f   target >= 0.9\n", Median(minizip) / Median(oursFile));
    return 0;
}
