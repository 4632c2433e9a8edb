// HttpWebRequest: request life, URL, and the file download around the helper's transfer.
#include "net/http_web_request.h"

#include <cerrno>
#include <cstdio>

#include "support/platform.h"

namespace System {
namespace Net {

HttpWebRequest::HttpWebRequest()
    : context_(std::make_unique<HWRContext>()), helper_(std::make_unique<HWRHelper>(this, context_.get())) {
    // A failure here shows again when the first transfer prepares its handle.
    helper_->CreateHandle();
}

HttpWebRequest::~HttpWebRequest() {
    ClearError();
    helper_->Reset(true);
    helper_->CloseHandle();
}

void HttpWebRequest::SetProgressCallback(ProgressCallback callback, void* context) {
    context_->progressCallback = callback;
    context_->progressContext = context;
}

void HttpWebRequest::SetUrl(const wchar_t* url) {
    context_->url.clear();
    if (url == nullptr || *url == 0) return;
    context_->url = url;
}

bool HttpWebRequest::DownloadToFile(const wchar_t* path, int timeoutSeconds, int keepLimit) {
    ClearError();
    // Nothing of this attempt's settings outlives it, whichever way it ends.
    if (path == nullptr) {
        SetInvalidParameter("path");
        helper_->Reset(false);
        return false;
    }
    context_->mode = HWRContext::kModeFile;
    FILE* file = Platform::OpenFile(path, L"wb");
    if (file == nullptr) {
        const int error = errno;
        SetError(error, L"%d-%ls", error, Platform::ErrorText(error).c_str());
        helper_->Reset(false);
        return false;
    }
    context_->outputFile = file;
    context_->keepLimit = keepLimit;
    context_->timeout = timeoutSeconds < 0 ? HWRContext::kDefaultTimeout : timeoutSeconds;

    const bool transferred = helper_->Perform();
    // stdio buffers the body, so a full disk often shows only when the file is closed.
    const bool closed = std::fclose(file) == 0;
    if (!transferred) {
        CopyError(*helper_);
    } else if (!closed) {
        SetError(CURLE_WRITE_ERROR, L"%ls", HWRHelper::CurlErrorText(CURLE_WRITE_ERROR).c_str());
    }
    helper_->CloseHandle();
    return GetErrorCode() == 0;
}

}  // namespace Net
}  // namespace System
