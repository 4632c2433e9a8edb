// File helpers for tests.
#include "tests/portable/test_files.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace TestFiles {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device()();
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0;; ++attempt) {
        path_ = base / ("corvana-test-" + std::to_string(run) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(path_)) break;
        if (attempt > 100) throw std::runtime_error("cannot create a scratch folder");
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace TestFiles
