// libcurl calls with an optional observer.
#include "net/curl_calls.h"

namespace System {
namespace Net {
namespace {

ICurlObserver* g_observer = nullptr;

}  // namespace

void SetCurlObserver(ICurlObserver* observer) { g_observer = observer; }

CURL* CurlInit() {
    CURL* handle = curl_easy_init();
    if (handle != nullptr && g_observer != nullptr) g_observer->OnHandleCreated(handle);
    return handle;
}

void CurlCleanup(CURL* handle) {
    if (g_observer != nullptr) g_observer->OnHandleClosed(handle);
    curl_easy_cleanup(handle);
}

void CurlSetLong(CURL* handle, CURLoption option, long value) {
    if (g_observer != nullptr) g_observer->OnOption(handle, option, value);
    curl_easy_setopt(handle, option, value);
}

void CurlSetPointer(CURL* handle, CURLoption option, const void* value) {
    if (g_observer != nullptr) g_observer->OnOption(handle, option, reinterpret_cast<intptr_t>(value));
    curl_easy_setopt(handle, option, value);
}

void CurlSetWriteFunction(CURL* handle, CurlWriteFunction function) {
    if (g_observer != nullptr) {
        g_observer->OnOption(handle, CURLOPT_WRITEFUNCTION, reinterpret_cast<intptr_t>(function));
    }
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, function);
}

void CurlSetXferInfoFunction(CURL* handle, CurlXferInfoFunction function) {
    if (g_observer != nullptr) {
        g_observer->OnOption(handle, CURLOPT_XFERINFOFUNCTION, reinterpret_cast<intptr_t>(function));
    }
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, function);
}

}  // namespace Net
}  // namespace System
