// System::Net::HttpWebRequest: fetches a URL into a file. A thin owner of the request state
// (HWRContext) and of the helper that runs the transfer; the outcome of each operation is its
// IError code and message. One request belongs to one thread.
#pragma once

#include <memory>

#include "net/hwr_context.h"
#include "net/hwr_helper.h"
#include "support/error.h"

namespace System {
namespace Net {

class HttpWebRequest : public Pattern::IError {
public:
    HttpWebRequest();
    HttpWebRequest(const HttpWebRequest&) = delete;
    HttpWebRequest& operator=(const HttpWebRequest&) = delete;
    ~HttpWebRequest();

    // Kept until the end of the next download.
    void SetProgressCallback(ProgressCallback callback, void* context);
    // Null or empty leaves no URL.
    void SetUrl(const wchar_t* url);
    // GET of the URL into `path` (truncated first). A negative timeout means 60 s, 0 no limit;
    // the first `keepLimit` body bytes are also kept in memory. True exactly on status 200 with
    // the whole body stored; a failed download leaves the partial file in place.
    bool DownloadToFile(const wchar_t* path, int timeoutSeconds, int keepLimit);

    // The leading body bytes kept by the last download.
    const MemoryBlock& GetKeptBody() const { return context_->bodyBuffer; }

private:
    std::unique_ptr<HWRContext> context_;
    std::unique_ptr<HWRHelper> helper_;
};

}  // namespace Net
}  // namespace System
