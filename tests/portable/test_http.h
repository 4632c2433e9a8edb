// Helpers for tests of the HTTP client: the local test server's address, the pattern body it
// sends, and a recorder of the libcurl calls the client makes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/curl_calls.h"
#include "tests/portable/test_files.h"

namespace TestHttp {

using TestFiles::ReadFile;
using TestFiles::ScratchFolder;
using TestFiles::WriteFile;

// http://127.0.0.1:<port><path> of the server the test run started (see tests/http).
std::wstring Url(const char* path);

// Byte i of every body the test server sends is i mod 251.
std::string PatternBody(size_t length);

// Records every handle creation, option and cleanup while it exists.
class CurlRecorder : public System::Net::ICurlObserver {
public:
    struct Event {
        enum Kind { kCreated, kOption, kClosed } kind;
        CURL* handle;
        CURLoption option;
        intptr_t value;
        std::string text;  // the value of CURLOPT_URL
    };

    CurlRecorder();
    ~CurlRecorder();
    CurlRecorder(const CurlRecorder&) = delete;
    CurlRecorder& operator=(const CurlRecorder&) = delete;

    void OnHandleCreated(CURL* handle) override;
    void OnOption(CURL* handle, CURLoption option, intptr_t value) override;
    void OnHandleClosed(CURL* handle) override;

    std::vector<CURLoption> Options() const;
    const Event* FindOption(CURLoption option) const;

    std::vector<Event> events;
};

}  // namespace TestHttp
