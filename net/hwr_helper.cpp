// The transfer: preparation, the libcurl option sequence, result checking and the callbacks.
#include "net/hwr_helper.h"

#include <algorithm>

#include "net/curl_calls.h"
#include "net/http_status_text.h"
#include "support/platform.h"

namespace System {
namespace Net {
namespace {

constexpr wchar_t kGenericFailure[] = L"http request failed";

long g_stallWindow = HWRHelper::kStallSeconds;

}  // namespace

long HWRHelper::SetStallWindow(long seconds) {
    const long previous = g_stallWindow;
    g_stallWindow = seconds;
    return previous;
}

HWRHelper::HWRHelper(HttpWebRequest* owner, HWRContext* context) : owner_(owner), context_(context) {}

bool HWRHelper::CreateHandle() {
    if (context_->handle != nullptr) return true;
    context_->handle = CurlInit();
    SetError(0, nullptr);
    return context_->handle != nullptr;
}

void HWRHelper::CloseHandle() {
    if (context_->handle == nullptr) return;
    CurlCleanup(context_->handle);
    context_->handle = nullptr;
}

bool HWRHelper::Prepare() {
    if (context_->url.empty()) {
        SetError(kInvalidParameter, L"非法参数,服务器url地址不能为空");
        return false;
    }
    if (context_->handle == nullptr) {
        context_->handle = CurlInit();
        SetError(0, nullptr);
    }
    if (context_->handle == nullptr) {
        SetError(kHandleCreationFailed, L"curl库初始化失败,可能是网卡有问题.");
        return false;
    }
    return true;
}

// The request's settings are reset on every path, so none outlives the attempt.
bool HWRHelper::Perform() {
    ClearError();
    if (!Prepare()) {
        Reset(false);
        return false;
    }
    CURL* handle = context_->handle;

    CurlSetPointer(handle, CURLOPT_HTTPHEADER, nullptr);
    if (context_->progressCallback != nullptr) {
        CurlSetLong(handle, CURLOPT_NOPROGRESS, 0L);
        CurlSetPointer(handle, CURLOPT_XFERINFODATA, context_);
        CurlSetXferInfoFunction(handle, &TransferProgressCallback);
    }
    const std::string url = Platform::ToNarrowString(Platform::CodePage::Utf8, context_->url);
    CurlSetLong(handle, CURLOPT_BUFFERSIZE, kReceiveBufferSize);
    CurlSetPointer(handle, CURLOPT_URL, url.c_str());
    if (context_->timeout >= 0) CurlSetLong(handle, CURLOPT_TIMEOUT, context_->timeout);
    if (context_->timeout == 0) {
        CurlSetLong(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
        CurlSetLong(handle, CURLOPT_LOW_SPEED_TIME, g_stallWindow);
    }
    context_->bodyBuffer.ZeroFill();
    CurlSetWriteFunction(handle, &WriteBodyCallback);
    CurlSetPointer(handle, CURLOPT_WRITEDATA, context_);

    const CURLcode result = curl_easy_perform(handle);
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);

    Reset(false);
    return CheckResult(result, status);
}

void HWRHelper::Reset(bool releaseBuffers) {
    context_->mode = HWRContext::kModeIdle;
    context_->outputFile = nullptr;
    context_->keepLimit = 0;
    context_->progressCallback = nullptr;
    context_->progressContext = nullptr;
    context_->timeout = HWRContext::kDefaultTimeout;
    if (releaseBuffers) context_->bodyBuffer.ReleaseChunks();
}

bool HWRHelper::CheckResult(int curlCode, long httpStatus) {
    if (curlCode != CURLE_OK) {
        SetError(curlCode, L"%ls", CurlErrorText(curlCode).c_str());
        return false;
    }
    if (httpStatus == 200) return true;
    SetError(static_cast<int>(httpStatus), L"%ls", HttpStatusText(static_cast<int>(httpStatus)).c_str());
    return false;
}

std::wstring HWRHelper::CurlErrorText(int curlCode) {
    const char* text = curl_easy_strerror(static_cast<CURLcode>(curlCode));
    if (text == nullptr || *text == 0) return kGenericFailure;
    return Platform::ToWideString(Platform::CodePage::Ansi, text);
}

std::wstring HWRHelper::HttpStatusText(int status) {
    const wchar_t* text = FindHttpStatusText(status);
    return Platform::Format(L"%d %ls", status, text != nullptr ? text : kGenericFailure);
}

// A short file write makes libcurl fail the transfer with its write error, so a download that
// could not be stored whole is never reported as complete.
size_t HWRHelper::WriteBodyCallback(char* data, size_t size, size_t count, void* context) {
    auto* state = static_cast<HWRContext*>(context);
    const size_t length = size * count;
    if (state->mode != HWRContext::kModeFile || state->outputFile == nullptr) {
        state->bodyBuffer.Append(data, static_cast<int>(length));
        return length;
    }
    const size_t written = std::fwrite(data, 1, length, state->outputFile);
    const int kept = state->bodyBuffer.GetUsed();
    if (kept < state->keepLimit) {
        const size_t wanted = static_cast<size_t>(state->keepLimit - kept);
        state->bodyBuffer.Append(data, static_cast<int>(std::min(length, wanted)));
    }
    return written;
}

int HWRHelper::TransferProgressCallback(void* context, curl_off_t downloadTotal, curl_off_t downloadNow,
                                        curl_off_t uploadTotal, curl_off_t uploadNow) {
    const auto* state = static_cast<const HWRContext*>(context);
    if (state->progressCallback == nullptr) return 0;
    if (state->mode == HWRContext::kModeFile) {
        return downloadTotal > 0 ? state->progressCallback(downloadTotal, downloadNow, state->progressContext) : 0;
    }
    return uploadTotal > 0 ? state->progressCallback(uploadTotal, uploadNow, state->progressContext) : 0;
}

}  // namespace Net
}  // namespace System
