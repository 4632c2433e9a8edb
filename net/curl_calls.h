// The libcurl calls the HTTP client makes that create, configure or close an easy handle. They go
// through here so tests can watch, through an observer, the options a transfer sets and the life
// of its handle, without waiting on a real network condition.
#pragma once

#include <cstdint>

#include <curl/curl.h>

namespace System {
namespace Net {

class ICurlObserver {
public:
    virtual void OnHandleCreated(CURL* handle) = 0;
    // Integer options give their value; pointer and function options the address.
    virtual void OnOption(CURL* handle, CURLoption option, intptr_t value) = 0;
    virtual void OnHandleClosed(CURL* handle) = 0;

protected:
    ~ICurlObserver() = default;
};

// Null removes the observer. Not synchronised: install it before any transfer starts.
void SetCurlObserver(ICurlObserver* observer);

CURL* CurlInit();
void CurlCleanup(CURL* handle);
void CurlSetLong(CURL* handle, CURLoption option, long value);
void CurlSetPointer(CURL* handle, CURLoption option, const void* value);

using CurlWriteFunction = size_t (*)(char* data, size_t size, size_t count, void* context);
using CurlXferInfoFunction = int (*)(void* context, curl_off_t downloadTotal, curl_off_t downloadNow,
                                     curl_off_t uploadTotal, curl_off_t uploadNow);
void CurlSetWriteFunction(CURL* handle, CurlWriteFunction function);
void CurlSetXferInfoFunction(CURL* handle, CurlXferInfoFunction function);

}  // namespace Net
}  // namespace System
