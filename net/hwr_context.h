// HWRContext: everything one HTTP request consists of, created by the request and shared with
// its transfer helper. ProgressCallback: the caller's progress sink.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include <curl/curl.h>

#include "support/memory_block.h"

namespace System {
namespace Net {

// (total bytes, bytes so far, context) → non-zero aborts the transfer.
using ProgressCallback = int (*)(int64_t total, int64_t now, void* context);

struct HWRContext {
    static constexpr int kModeIdle = 0;
    static constexpr int kModeFile = 3;
    static constexpr int kDefaultTimeout = 60;
    static constexpr int kBodyChunkSize = 512;

    CURL* handle = nullptr;
    int mode = kModeIdle;
    MemoryBlock bodyBuffer{kBodyChunkSize};
    int keepLimit = 0;
    FILE* outputFile = nullptr;  // not owned
    std::wstring url;
    int timeout = kDefaultTimeout;  // seconds; negative leaves libcurl's option unset
    ProgressCallback progressCallback = nullptr;
    void* progressContext = nullptr;
};

}  // namespace Net
}  // namespace System
