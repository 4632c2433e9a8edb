// Environment helpers under Wine: temporary folder names, directory creation, fixed disks and the
// "360tray.exe" probe.
#include "support/environment.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <io.h>

#include <regex>
#include <string>

namespace {

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A folder of its own under the temporary folder, removed with its contents at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "corvana-env-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    static void Remove(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Remove(folder + name + "\\");
                } else {
                    DeleteFileA((folder + name).c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};

TEST(MakeTempFolderPath, GivesAFreshGuidFolderUnderTheTemporaryFolder) {
    wchar_t first[kTempFolderPathCapacity], second[kTempFolderPathCapacity];
    ASSERT_EQ(MakeTempFolderPath(first), 1);
    ASSERT_EQ(MakeTempFolderPath(second), 1);
    EXPECT_STRNE(first, second);
    const std::wstring temp = TempFolder();
    const std::wregex guidFolder(L"\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9a-f]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}\\\\");
    for (const std::wstring& path : {std::wstring(first), std::wstring(second)}) {
        ASSERT_EQ(path.compare(0, temp.size(), temp), 0) << path.c_str();
        EXPECT_TRUE(std::regex_match(path.substr(temp.size()), guidFolder)) << path.c_str();
        EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_EQ(MakeTempFolderPath(nullptr), 0);
}

// A temporary folder too long for the path gives no path, not a relative "{GUID}\".
TEST(MakeTempFolderPath, FailsWhenTheTemporaryFolderDoesNotFit) {
    wchar_t saved[2048] = {};
    const DWORD savedLength = GetEnvironmentVariableW(L"TMP", saved, 2048);
    const std::wstring longFolder = L"C:\\" + std::wstring(300, L'a') + L"\\";
    SetEnvironmentVariableW(L"TMP", longFolder.c_str());
    wchar_t path[kTempFolderPathCapacity] = L"unchanged";
    const int result = MakeTempFolderPath(path);
    SetEnvironmentVariableW(L"TMP", savedLength > 0 ? saved : nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_STREQ(path, L"unchanged");
}

TEST(CreateDirectories, CreatesExactlyThePrefixesEndingWithASeparator) {
    ScratchFolder scratch;
    const std::string root = scratch.path();
    ASSERT_EQ(CreateDirectories(root + "a\\b\\c"), 0);
    EXPECT_TRUE(Exists(root + "a\\"));
    EXPECT_TRUE(Exists(root + "a\\b\\"));
    EXPECT_FALSE(Exists(root + "a\\b\\c"));

    ASSERT_EQ(CreateDirectories(root + "a\\b\\c\\"), 0);
    EXPECT_TRUE(Exists(root + "a\\b\\c\\"));

    ASSERT_EQ(CreateDirectories(root + "m/n/"), 0);
    EXPECT_TRUE(Exists(root + "m\\n\\"));
}

TEST(CreateDirectories, LeavesExistingDirectoriesAndTheirContentsAlone) {
    ScratchFolder scratch;
    const std::string root = scratch.path();
    ASSERT_EQ(CreateDirectories(root + "keep\\"), 0);
    const std::string file = root + "keep\\file.txt";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    EXPECT_EQ(CreateDirectories(root + "keep\\deeper\\"), 0);
    EXPECT_TRUE(Exists(file));
    EXPECT_TRUE(Exists(root + "keep\\deeper\\"));
}

TEST(CreateDirectories, RefusesPathsOver256CharactersWithoutCreatingAnything) {
    ScratchFolder scratch;
    std::string path = scratch.path() + "first\\";
    path += std::string(257 - path.size() - 1, 'x') + "\\";
    ASSERT_EQ(path.size(), 257u);
    EXPECT_EQ(CreateDirectories(path), -1);
    EXPECT_FALSE(Exists(scratch.path() + "first\\"));
}

TEST(CreateDirectories, FailsWhereAPrefixIsAnExistingFile) {
    ScratchFolder scratch;
    const std::string root = scratch.path();
    ASSERT_EQ(CreateDirectories(root + "x\\"), 0);
    HANDLE handle = CreateFileA((root + "x\\file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    EXPECT_EQ(CreateDirectories(root + "x\\file\\y\\"), -1);
    EXPECT_FALSE(Exists(root + "x\\file\\y\\"));
}

TEST(ToAnsi, ConvertsAsciiText) {
    EXPECT_EQ(ToAnsi(L"C:\\Temp\\qvx_installer_8.4.exe"), "C:\\Temp\\qvx_installer_8.4.exe");
    EXPECT_EQ(ToAnsi(L""), "");
}

TEST(ListFixedDisks, AppendsTheFixedDrivesAfterStoredLetters) {
    std::wstring expected = L"Q";
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const wchar_t root[] = {letter, L':', 0};
        if (GetDriveTypeW(root) == DRIVE_FIXED) expected += letter;
    }
    ASSERT_GT(expected.size(), 1u) << "Wine always has a fixed C:";
    FixedDiskList list = {};
    list.letters[0] = L'Q';
    list.count = 1;
    EXPECT_TRUE(ListFixedDisks(list));
    EXPECT_EQ(std::wstring(list.letters, list.count), expected);
}

// Every kind of drive through the seam: only fixed drives are listed.
UINT __stdcall DriveOfEveryKind(const wchar_t* root) {
    switch (root[0]) {
    case L'A': return DRIVE_REMOVABLE;
    case L'B': return DRIVE_NO_ROOT_DIR;
    case L'C': return DRIVE_FIXED;
    case L'D': return DRIVE_CDROM;
    case L'E': return DRIVE_REMOTE;
    case L'F': return DRIVE_RAMDISK;
    case L'G': return DRIVE_UNKNOWN;
    case L'H': return DRIVE_FIXED;
    default: return DRIVE_NO_ROOT_DIR;
    }
}

TEST(ListFixedDisks, ListsOnlyFixedDrives) {
    const DriveTypeFunction previous = SetDriveTypeFunction(DriveOfEveryKind);
    FixedDiskList list = {};
    EXPECT_TRUE(ListFixedDisks(list));
    SetDriveTypeFunction(previous);
    EXPECT_EQ(std::wstring(list.letters, list.count), L"CH");
}

TEST(ListFixedDisks, NeverWritesPastTheList) {
    struct Guarded {
        FixedDiskList list;
        int guard;
    } guarded = {{}, 0x5A5A5A5A};
    for (int call = 0; call < 40; ++call) ListFixedDisks(guarded.list);
    EXPECT_LE(guarded.list.count, 32);
    EXPECT_EQ(guarded.guard, 0x5A5A5A5A);
}

// Starts a copy of the sleeper under `name` and ends it when the test is done.
class RunningCopy {
public:
    RunningCopy(const std::string& folder, const char* name) {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string sleeper = self;
        sleeper = sleeper.substr(0, sleeper.rfind('\\') + 1) + "sleeper.exe";
        path_ = folder + name;
        started_ = CopyFileA(sleeper.c_str(), path_.c_str(), FALSE) != FALSE;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = started_ && CreateProcessA(path_.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                              &startup, &process_) != FALSE;
    }
    ~RunningCopy() { End(); }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    bool started() const { return started_; }
    void End() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        started_ = false;
    }

private:
    std::string path_;
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

TEST(Is360TrayRunning, FindsTheExactNameOnlyWhileItRuns) {
    ScratchFolder scratch;
    ASSERT_EQ(CreateDirectories(scratch.path() + "upper\\lower\\"), 0);
    EXPECT_EQ(Is360TrayRunning(), 0);
    {
        RunningCopy otherCase(scratch.path() + "upper\\", "360Tray.exe");
        ASSERT_TRUE(otherCase.started());
        EXPECT_EQ(Is360TrayRunning(), 0);
    }
    RunningCopy tray(scratch.path() + "upper\\lower\\", "360tray.exe");
    ASSERT_TRUE(tray.started());
    EXPECT_EQ(Is360TrayRunning(), 1);
    tray.End();
    EXPECT_EQ(Is360TrayRunning(), 0);
}

}  // namespace
