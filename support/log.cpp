// The diagnostic log beside the executable.
#include "support/log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cwchar>

namespace {

constexpr int kMessageCapacity = 10240;
constexpr wchar_t kLogFileName[] = L"\\logs\\Pelmora.log";

// "<folder of the executable>\logs\Pelmora.log", or false when it does not fit in MAX_PATH.
bool LogFilePath(wchar_t (&path)[MAX_PATH]) {
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    wchar_t* lastBackslash = std::wcsrchr(path, L'\\');
    if (lastBackslash == nullptr) return false;
    *lastBackslash = 0;
    const size_t folderLength = static_cast<size_t>(lastBackslash - path);
    if (folderLength + std::wcslen(kLogFileName) + 1 > MAX_PATH) return false;
    std::wcscpy(lastBackslash, kLogFileName);
    return true;
}

// Writers take turns on a lock byte far beyond any real log content, so readers are never
// blocked; in its turn each writer goes to the end of the file and writes its whole line at once.
// Neither the C runtime's append mode nor an append-only handle keeps two writers from landing
// on the same end of the file everywhere (both lose lines under Wine or Windows).
void AppendLine(const wchar_t* path, const char* line, DWORD length) {
    HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    OVERLAPPED lockByte = {};
    lockByte.OffsetHigh = 0x7FFFFFFF;
    const bool locked = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &lockByte) != FALSE;
    LARGE_INTEGER end = {};
    DWORD written = 0;
    if (SetFilePointerEx(file, end, nullptr, FILE_END)) WriteFile(file, line, length, &written, nullptr);
    if (locked) UnlockFileEx(file, 0, 1, 0, &lockByte);
    CloseHandle(file);
}

}  // namespace

void WriteLog(const char* format, ...) {
    char message[kMessageCapacity] = {};
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(message, sizeof message, format, args);
        va_end(args);
    }

    wchar_t wideMessage[kMessageCapacity] = {};
    MultiByteToWideChar(CP_ACP, 0, message, -1, wideMessage, kMessageCapacity);

    wchar_t path[MAX_PATH];
    if (LogFilePath(path)) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        char line[kMessageCapacity + 64];
        const int length =
            std::snprintf(line, sizeof line, "(%04d-%02d-%02d %02d:%02d:%02d)<%lu>%s\r\n", now.wYear, now.wMonth,
                          now.wDay, now.wHour, now.wMinute, now.wSecond, GetCurrentProcessId(), message);
        // The message is at most kMessageCapacity − 1 bytes, so the line always fits.
        if (length > 0) AppendLine(path, line, static_cast<DWORD>(length));
    }
    OutputDebugStringW(wideMessage);
}
