// Small helpers that find the installer's way around the machine: a fresh GUID-named temporary
// folder, creation of the directories along a path, ANSI text, the fixed disks, and a probe for a
// running "360tray.exe". None keeps state between calls.
#pragma once

#include <string>

constexpr int kTempFolderPathCapacity = 260;

// Drive letters in use followed by their count; at most 26 letters are ever stored.
struct FixedDiskList {
    wchar_t letters[32];
    int count;
};

// Fills `out` (kTempFolderPathCapacity characters) with "<temp folder>{GUID}\"; the folder is
// not created. 1 when filled, 0 otherwise (`out` unchanged), also when the temporary folder
// cannot be read or the path would not fit.
int MakeTempFolderPath(wchar_t* out);

// Creates every missing directory of the prefixes of `path` (ANSI) that end with a separator, so
// the last component is created only when the path ends with one. 0 on success, −1 when the path
// is longer than 256 characters or a directory cannot be created.
int CreateDirectories(const std::string& path);

std::string ToAnsi(const wchar_t* text);

// Appends the letters of the fixed drives, A to Z, after those already in `list`, as far as its
// 32 slots go.
bool ListFixedDisks(FixedDiskList& list);

// The drive type query ListFixedDisks asks (GetDriveTypeW unless set, as tests do); returns the
// one it replaces. Null restores GetDriveTypeW.
using DriveTypeFunction = unsigned(__stdcall*)(const wchar_t* root);
DriveTypeFunction SetDriveTypeFunction(DriveTypeFunction function);

// 1 while a process whose image is named exactly "360tray.exe" runs, else 0.
int Is360TrayRunning();
