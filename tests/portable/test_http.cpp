// Test helpers for the HTTP client.
#include "tests/portable/test_http.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace TestHttp {
namespace {

int ServerPort() {
    const char* portFile = std::getenv("CORVANA_TEST_HTTP_PORT_FILE");
    if (portFile == nullptr) throw std::runtime_error("CORVANA_TEST_HTTP_PORT_FILE is not set");
    int port = 0;
    std::ifstream(portFile) >> port;
    if (port <= 0) throw std::runtime_error(std::string("no port in ") + portFile);
    return port;
}

}  // namespace

std::wstring Url(const char* path) {
    static const int port = ServerPort();
    return L"http://127.0.0.1:" + std::to_wstring(port) +
           std::wstring(path, path + std::char_traits<char>::length(path));
}

std::string PatternBody(size_t length) {
    std::string body(length, '\0');
    for (size_t i = 0; i < length; ++i) body[i] = static_cast<char>(i % 251);
    return body;
}

CurlRecorder::CurlRecorder() { System::Net::SetCurlObserver(this); }

CurlRecorder::~CurlRecorder() { System::Net::SetCurlObserver(nullptr); }

void CurlRecorder::OnHandleCreated(CURL* handle) { events.push_back({Event::kCreated, handle, CURLoption(), 0, {}}); }

void CurlRecorder::OnOption(CURL* handle, CURLoption option, intptr_t value) {
    std::string text = option == CURLOPT_URL ? reinterpret_cast<const char*>(value) : "";
    events.push_back({Event::kOption, handle, option, value, text});
}

void CurlRecorder::OnHandleClosed(CURL* handle) { events.push_back({Event::kClosed, handle, CURLoption(), 0, {}}); }

std::vector<CURLoption> CurlRecorder::Options() const {
    std::vector<CURLoption> options;
    for (const Event& event : events) {
        if (event.kind == Event::kOption) options.push_back(event.option);
    }
    return options;
}

const CurlRecorder::Event* CurlRecorder::FindOption(CURLoption option) const {
    for (const Event& event : events) {
        if (event.kind == Event::kOption && event.option == option) return &event;
    }
    return nullptr;
}

}  // namespace TestHttp
