// One download with HttpWebRequest::DownloadToFile, for the download benchmark: the progress
// callback does what the installer does on every report (percentage texts every time, speed and
// time left once a second), so the figures include that cost.
//
//   download_once URL PATH     exit code 0 on success; prints the error otherwise
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "net/http_web_request.h"
#include "support/platform.h"

namespace {

struct InstallerProgress {
    uint64_t windowBytes = 0;
    std::chrono::steady_clock::time_point windowStart = std::chrono::steady_clock::now();
    wchar_t percentText[260] = {};
    wchar_t tooltip[260] = {};
    wchar_t speedText[64] = {};
    wchar_t timeText[260] = {};
};

void FormatSpeed(int bytes, wchar_t* out, size_t capacity) {
    if (bytes < 1024) {
        std::swprintf(out, capacity, L"%d B/S", bytes);
    } else if (bytes < 1048576) {
        std::swprintf(out, capacity, L"%d.%d KB/S", bytes / 1024, (bytes % 1024) * 100 / 1024);
    } else if (bytes < 1073741824) {
        const int k = bytes / 1024;
        std::swprintf(out, capacity, L"%d.%d MB/S", k / 1024, (k % 1024) * 100 / 1024);
    } else {
        const int m = bytes / 1048576;
        std::swprintf(out, capacity, L"%d.%d GB/S", m / 1024, (m % 1024) * 100 / 1024);
    }
}

int OnProgress(int64_t total, int64_t now, void* context) {
    auto* progress = static_cast<InstallerProgress*>(context);
    if (now == total) return 0;
    const int percent = static_cast<int>(now * 100 / total);
    const int hundredths = static_cast<int>((now * 100 % total) * 100 / total);
    std::swprintf(progress->percentText, 260, L"%d.%02d%%", percent, hundredths);
    std::swprintf(progress->tooltip, 260, L"当前下载进度:%d.%02d%%", percent, hundredths);
    const auto tick = std::chrono::steady_clock::now();
    if (tick - progress->windowStart <= std::chrono::milliseconds(1000)) return 0;
    const uint64_t delta = static_cast<uint64_t>(now) - progress->windowBytes;
    progress->windowBytes = static_cast<uint64_t>(now);
    progress->windowStart = tick;
    wchar_t speed[64];
    FormatSpeed(static_cast<int>(delta), speed, 64);
    std::swprintf(progress->speedText, 64, L"%ls [1/1]", speed);
    if (delta == 0) return 0;
    const int seconds = static_cast<int>((static_cast<uint64_t>(total) - static_cast<uint64_t>(now)) / delta);
    std::swprintf(progress->timeText, 260, L"%d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: download_once URL PATH\n");
        return 2;
    }
    InstallerProgress progress;
    System::Net::HttpWebRequest request;
    request.SetProgressCallback(&OnProgress, &progress);
    request.SetUrl(Platform::ToWideString(Platform::CodePage::Utf8, argv[1]).c_str());
    const std::wstring path = Platform::ToWideString(Platform::CodePage::Utf8, argv[2]);
    if (request.DownloadToFile(path.c_str(), 0, 1024)) return 0;
    std::fprintf(stderr, "download failed: %d %s\n", request.GetErrorCode(),
                 Platform::ToNarrowString(Platform::CodePage::Utf8, request.GetErrorMessage()).c_str());
    return 1;
}
