// Stdio files for the platform header: opening by wide path (shared on Windows), 64-bit seeks
// and sizes, the C runtime's error texts and DOS times of archive entries.
#include <cstring>
#include <ctime>
#include <cwchar>

#include "support/platform.h"

#ifdef _WIN32
#include <share.h>
#include <windows.h>
#endif

namespace Platform {

#ifdef _WIN32
bool SeekFile(FILE* file, int64_t offset, int origin) { return _fseeki64(file, offset, origin) == 0; }
namespace {
int64_t TellFile(FILE* file) { return _ftelli64(file); }
}  // namespace

FILETIME DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime) {
    FILETIME local = {}, utc = {};
    DosDateTimeToFileTime(dosDate, dosTime, &local);
    LocalFileTimeToFileTime(&local, &utc);
    return utc;
}

std::wstring ErrorText(int errorNumber) { return _wcserror(errorNumber); }

FILE* OpenFile(const wchar_t* path, const wchar_t* mode) { return _wfsopen(path, mode, _SH_DENYNO); }
#else
bool SeekFile(FILE* file, int64_t offset, int origin) { return fseeko(file, offset, origin) == 0; }
namespace {
int64_t TellFile(FILE* file) { return ftello(file); }
}  // namespace

FILETIME DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime) {
    std::tm local = {};
    local.tm_year = (dosDate >> 9) + 80;
    local.tm_mon = ((dosDate >> 5) & 0x0F) - 1;
    local.tm_mday = dosDate & 0x1F;
    local.tm_hour = dosTime >> 11;
    local.tm_min = (dosTime >> 5) & 0x3F;
    local.tm_sec = (dosTime & 0x1F) * 2;
    local.tm_isdst = -1;
    const int64_t seconds = static_cast<int64_t>(std::mktime(&local));
    // FILETIME counts 100 ns from 1601-01-01; time_t seconds from 1970-01-01.
    const uint64_t ticks = static_cast<uint64_t>(seconds + 11644473600LL) * 10000000ULL;
    return FILETIME{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
}

std::wstring ErrorText(int errorNumber) { return ToWideString(CodePage::Ansi, std::strerror(errorNumber)); }

FILE* OpenFile(const wchar_t* path, const wchar_t* mode) {
    const std::string narrowPath = ToNarrowString(CodePage::Utf8, path);
    const std::string narrowMode = ToNarrowString(CodePage::Utf8, mode);
    return std::fopen(narrowPath.c_str(), narrowMode.c_str());
}
#endif

int64_t FileSize(FILE* file) {
    if (!SeekFile(file, 0, SEEK_END)) return -1;
    const int64_t size = TellFile(file);
    return SeekFile(file, 0, SEEK_SET) ? size : -1;
}

}  // namespace Platform
