// File helpers for tests: whole-file reads and writes, and scratch folders.
#pragma once

#include <filesystem>
#include <string>

namespace TestFiles {

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);

// A fresh folder under the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path File(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace TestFiles
