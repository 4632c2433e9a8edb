// Environment helpers over Win32 and the C runtime.
#include "support/environment.h"

#include <windows.h>

#include <direct.h>
#include <io.h>
#include <objbase.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "support/platform.h"

namespace {

constexpr size_t kMaxDirectoryPath = 256;

DriveTypeFunction g_driveType = GetDriveTypeW;

}  // namespace

DriveTypeFunction SetDriveTypeFunction(DriveTypeFunction function) {
    const DriveTypeFunction previous = g_driveType;
    g_driveType = function != nullptr ? function : GetDriveTypeW;
    return previous;
}

// A temporary folder that cannot be read, or does not fit, gives no path at all (a bare
// "{GUID}\" would be relative to the current directory).
int MakeTempFolderPath(wchar_t* out) {
    if (out == nullptr) return 0;
    wchar_t tempFolder[kTempFolderPathCapacity] = {};
    const DWORD tempLength = GetTempPathW(kTempFolderPathCapacity, tempFolder);
    if (tempLength == 0 || tempLength >= kTempFolderPathCapacity) return 0;
    GUID guid;
    if (FAILED(CoCreateGuid(&guid))) return 0;
    wchar_t path[2 * kTempFolderPathCapacity];
    const int length =
        std::swprintf(path, sizeof path / sizeof path[0], L"%ls{%08lX-%04X-%04x-%02X%02X-%02X%02X%02X%02X%02X%02X}\\",
                      tempFolder, guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2],
                      guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    if (length < 0 || length + 1 > kTempFolderPathCapacity) return 0;
    std::wcscpy(out, path);
    return 1;
}

int CreateDirectories(const std::string& path) {
    if (path.size() > kMaxDirectoryPath) return -1;
    char prefix[kMaxDirectoryPath + 1] = {};
    for (size_t i = 0; i < path.size(); ++i) {
        prefix[i] = path[i];
        if (path[i] != '\\' && path[i] != '/') continue;
        if (_access(prefix, 0) != 0 && _mkdir(prefix) != 0) return -1;
    }
    return 0;
}

std::string ToAnsi(const wchar_t* text) {
    if (text == nullptr) return std::string();
    return Platform::ToNarrowString(Platform::CodePage::Ansi, text);
}

// A list filled before has fewer free slots than there are letters, so letters that no longer fit
// are dropped rather than written past the list.
bool ListFixedDisks(FixedDiskList& list) {
    constexpr int kSlots = sizeof list.letters / sizeof list.letters[0];
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const wchar_t root[] = {letter, L':', 0};
        if (g_driveType(root) == DRIVE_FIXED && list.count >= 0 && list.count < kSlots) {
            list.letters[list.count++] = letter;
        }
    }
    return true;
}

int Is360TrayRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    int found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        char name[2 * MAX_PATH] = {};
        const size_t converted = std::wcstombs(name, entry.szExeFile, sizeof name - 1);
        found = converted != static_cast<size_t>(-1) && std::strcmp(name, "360tray.exe") == 0;
    }
    CloseHandle(snapshot);
    return found;
}
