// Test helpers for the HTTP client.
#include "tests/portable/test_http.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
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
    return L"http://127.0.0.1:" + std::to_wstring(port) + std::wstring(path, path + std::char_traits<char>::length(path));
}

std::string PatternBody(size_t length) {
    std::string body(length, '\0');
    for (size_t i = 0; i < length; ++i) body[i] = static_cast<char>(i % 251);
    return body;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device()();
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0;; ++attempt) {
        path_ = base / ("corvana-test-" + std::to_string(run) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(path_)) break;
        if (attempt > 100) throw std::runtime_error("cannot create a scratch folder");
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
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
