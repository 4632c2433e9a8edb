// System::Net::HWRHelper runs one HTTP transfer for a request over libcurl's easy interface. All
// request state lives in the shared HWRContext; the helper validates it, applies it to the handle
// in a fixed order, routes body bytes and progress through two callbacks, and turns libcurl's
// result and the HTTP status into its IError outcome.
#pragma once

#include <string>

#include <curl/curl.h>

#include "net/hwr_context.h"
#include "support/error.h"

namespace System {
namespace Net {

class HttpWebRequest;

class HWRHelper : public Pattern::IError {
public:
    static constexpr int kHandleCreationFailed = 65;
    // libcurl's receive buffer, its largest: fewer, larger reads than its 16 KiB default (measured
    // ahead of the curl tool in tools/bench/download-bench); nothing on the wire changes.
    static constexpr long kReceiveBufferSize = 512 * 1024;
    // A transfer without a time limit fails (28) once it receives less than one byte a second for
    // this many seconds, instead of hanging on a server that stopped sending.
    static constexpr long kStallSeconds = 60;

    HWRHelper(HttpWebRequest* owner, HWRContext* context);
    HWRHelper(const HWRHelper&) = delete;
    HWRHelper& operator=(const HWRHelper&) = delete;

    bool CreateHandle();
    void CloseHandle();
    bool Prepare();
    // One complete transfer; the per-request settings are reset right after it.
    bool Perform();
    void Reset(bool releaseBuffers);
    bool CheckResult(int curlCode, long httpStatus);

    HttpWebRequest* GetOwner() const { return owner_; }

    static std::wstring CurlErrorText(int curlCode);
    // "<status> <text>", with "http request failed" for a status the table does not know.
    static std::wstring HttpStatusText(int status);

    // Tests shorten the stall window; returns the one it replaces.
    static long SetStallWindow(long seconds);

    static size_t WriteBodyCallback(char* data, size_t size, size_t count, void* context);
    static int TransferProgressCallback(void* context, curl_off_t downloadTotal, curl_off_t downloadNow,
                                        curl_off_t uploadTotal, curl_off_t uploadNow);

private:
    HttpWebRequest* owner_;  // not owned
    HWRContext* context_;    // not owned
};

}  // namespace Net
}  // namespace System
