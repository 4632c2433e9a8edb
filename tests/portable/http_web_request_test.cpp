// HttpWebRequest against the local test server: outcomes, files, progress, option sequence and
// handle life, and the failures that must never be reported as success.
#include "net/http_web_request.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/platform.h"
#include "tests/portable/test_http.h"

using System::Net::HttpWebRequest;
using TestHttp::CurlRecorder;

namespace {

struct Progress {
    std::vector<std::pair<int64_t, int64_t>> reports;
    int answer = 0;
};

int RecordProgress(int64_t total, int64_t now, void* context) {
    auto* progress = static_cast<Progress*>(context);
    progress->reports.emplace_back(total, now);
    return progress->answer;
}

class HttpWebRequestTest : public ::testing::Test {
protected:
    bool Download(const char* path, int timeout = 0, int keepLimit = 1024) {
        request.SetUrl(TestHttp::Url(path).c_str());
        return request.DownloadToFile(target.wstring().c_str(), timeout, keepLimit);
    }

    std::string Kept() const {
        std::string kept(request.GetKeptBody().GetUsed(), '\0');
        if (!kept.empty()) request.GetKeptBody().Read(&kept[0], static_cast<int>(kept.size()));
        return kept;
    }

    TestHttp::ScratchFolder folder;
    std::filesystem::path target = folder.File("qvx_installer_8.4.exe");
    HttpWebRequest request;
};

TEST_F(HttpWebRequestTest, Status200WritesTheWholeBodyAndKeepsItsStart) {
    ASSERT_TRUE(Download("/bytes/3000"));
    EXPECT_EQ(request.GetErrorCode(), 0);
    EXPECT_TRUE(request.GetErrorMessage().empty());
    EXPECT_EQ(TestHttp::ReadFile(target), TestHttp::PatternBody(3000));
    EXPECT_EQ(Kept(), TestHttp::PatternBody(1024));
}

TEST_F(HttpWebRequestTest, EmptyChunkedSlowAndLateBodiesSucceed) {
    struct Case {
        const char* path;
        size_t length;
    };
    const Case cases[] = {{"/empty", 0}, {"/chunked/2500", 2500}, {"/slow/5000", 5000}, {"/late-headers/300", 10}};
    for (const auto& c : cases) {
        ASSERT_TRUE(Download(c.path)) << c.path << ": " << request.GetErrorCode();
        const std::string expected = c.length == 10 ? "0123456789" : TestHttp::PatternBody(c.length);
        EXPECT_EQ(TestHttp::ReadFile(target), expected) << c.path;
    }
}

TEST_F(HttpWebRequestTest, EveryStatusButExactly200Fails) {
    struct Case {
        const char* path;
        int code;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"/status/206", 206, L"206 http request failed"},
        {"/status/204", 204, L"204 正常；无响应 — 已接收请求，但不存在要回送的信息"},
        {"/status/302", 302, L"302 暂时性转移(Temporarily Moved,可能是服务器内部错误导致的错误跳转)"},
        {"/status/404", 404, L"404 Not Found 无法找到指定位置的资源"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Download(c.path)) << c.path;
        EXPECT_EQ(request.GetErrorCode(), c.code);
        EXPECT_EQ(request.GetErrorMessage(), c.message);
    }
}

TEST_F(HttpWebRequestTest, ARedirectIsNotFollowed) {
    EXPECT_FALSE(Download("/status/302"));
    EXPECT_EQ(TestHttp::ReadFile(target), "0123456789");  // the 302's own body, not /bytes/10's
}

TEST_F(HttpWebRequestTest, AConnectionClosedHalfWayFailsAndLeavesThePartialFile) {
    EXPECT_FALSE(Download("/cut/100000"));
    EXPECT_EQ(request.GetErrorCode(), CURLE_PARTIAL_FILE);
    EXPECT_EQ(request.GetErrorMessage(), System::Net::HWRHelper::CurlErrorText(CURLE_PARTIAL_FILE));
    EXPECT_EQ(TestHttp::ReadFile(target), TestHttp::PatternBody(50000));
}

TEST_F(HttpWebRequestTest, AnEmptyUrlTruncatesTheTargetThenFailsWith87) {
    for (const wchar_t* url : {static_cast<const wchar_t*>(nullptr), L""}) {
        TestHttp::WriteFile(target, "old content");
        request.SetUrl(url);
        EXPECT_FALSE(request.DownloadToFile(target.wstring().c_str(), 0, 1024));
        EXPECT_EQ(request.GetErrorCode(), 87);
        EXPECT_EQ(request.GetErrorMessage(), L"非法参数,服务器url地址不能为空");
        ASSERT_TRUE(std::filesystem::exists(target));
        EXPECT_EQ(std::filesystem::file_size(target), 0u);
    }
}

TEST_F(HttpWebRequestTest, AMissingFolderFailsWithErrnoAndItsText) {
    CurlRecorder recorder;
    request.SetUrl(TestHttp::Url("/bytes/10").c_str());
    EXPECT_FALSE(request.DownloadToFile(folder.File("missing").append("x.exe").wstring().c_str(), 0, 1024));
    EXPECT_EQ(request.GetErrorCode(), 2);
    EXPECT_EQ(request.GetErrorMessage().substr(0, 2), L"2-");
    EXPECT_GT(request.GetErrorMessage().size(), 2u);
    EXPECT_TRUE(recorder.Options().empty());  // nothing was sent
}

TEST_F(HttpWebRequestTest, ProgressReportsTheAnnouncedTotal) {
    Progress progress;
    request.SetProgressCallback(&RecordProgress, &progress);
    ASSERT_TRUE(Download("/bytes/300000"));
    ASSERT_FALSE(progress.reports.empty());
    int64_t last = 0;
    for (const auto& report : progress.reports) {
        EXPECT_EQ(report.first, 300000);
        EXPECT_GE(report.second, last);
        last = report.second;
    }
    EXPECT_EQ(last, 300000);
}

TEST_F(HttpWebRequestTest, NoProgressIsReportedWithoutAnAnnouncedLength) {
    Progress progress;
    request.SetProgressCallback(&RecordProgress, &progress);
    ASSERT_TRUE(Download("/chunked/200000"));
    EXPECT_TRUE(progress.reports.empty());
}

TEST_F(HttpWebRequestTest, ACallbackReturningNonZeroAbortsWith42) {
    Progress progress;
    progress.answer = 1;
    request.SetProgressCallback(&RecordProgress, &progress);
    EXPECT_FALSE(Download("/bytes/300000"));
    EXPECT_EQ(request.GetErrorCode(), CURLE_ABORTED_BY_CALLBACK);
    EXPECT_EQ(request.GetErrorMessage(), System::Net::HWRHelper::CurlErrorText(CURLE_ABORTED_BY_CALLBACK));
    EXPECT_EQ(progress.reports.size(), 1u);
}

TEST_F(HttpWebRequestTest, TheCallbackIsForgottenAfterADownloadButTheUrlIsKept) {
    Progress progress;
    request.SetProgressCallback(&RecordProgress, &progress);
    ASSERT_TRUE(Download("/bytes/300000"));
    const size_t first = progress.reports.size();
    ASSERT_TRUE(request.DownloadToFile(target.wstring().c_str(), 0, 1024));
    EXPECT_EQ(progress.reports.size(), first);
    EXPECT_EQ(TestHttp::ReadFile(target).size(), 300000u);
}

TEST_F(HttpWebRequestTest, OptionsAreSetInTheirFixedOrderAndNoOthers) {
    Progress progress;
    CurlRecorder recorder;
    request.SetProgressCallback(&RecordProgress, &progress);
    ASSERT_TRUE(Download("/bytes/10", 0));
    EXPECT_EQ(
        recorder.Options(),
        (std::vector<CURLoption>{CURLOPT_HTTPHEADER, CURLOPT_NOPROGRESS, CURLOPT_XFERINFODATA, CURLOPT_XFERINFOFUNCTION,
                                 CURLOPT_BUFFERSIZE, CURLOPT_URL, CURLOPT_TIMEOUT, CURLOPT_LOW_SPEED_LIMIT,
                                 CURLOPT_LOW_SPEED_TIME, CURLOPT_WRITEFUNCTION, CURLOPT_WRITEDATA}));
    EXPECT_EQ(recorder.FindOption(CURLOPT_BUFFERSIZE)->value, System::Net::HWRHelper::kReceiveBufferSize);
    EXPECT_EQ(recorder.FindOption(CURLOPT_LOW_SPEED_LIMIT)->value, 1);
    EXPECT_EQ(recorder.FindOption(CURLOPT_LOW_SPEED_TIME)->value, System::Net::HWRHelper::kStallSeconds);
    EXPECT_EQ(recorder.FindOption(CURLOPT_HTTPHEADER)->value, 0);
    EXPECT_EQ(recorder.FindOption(CURLOPT_NOPROGRESS)->value, 0);
    EXPECT_EQ(recorder.FindOption(CURLOPT_URL)->text,
              Platform::ToNarrowString(Platform::CodePage::Utf8, TestHttp::Url("/bytes/10")));
}

TEST_F(HttpWebRequestTest, TimeoutIs60WhenNegativeAndStaysSetWhenZero) {
    struct Case {
        int timeout;
        long expected;
    };
    for (const Case c : {Case{-5, 60}, Case{0, 0}, Case{7, 7}}) {
        CurlRecorder recorder;
        ASSERT_TRUE(Download("/bytes/10", c.timeout));
        ASSERT_NE(recorder.FindOption(CURLOPT_TIMEOUT), nullptr) << c.timeout;
        EXPECT_EQ(recorder.FindOption(CURLOPT_TIMEOUT)->value, c.expected);
        // Only a transfer without a time limit gets the stall limit.
        std::vector<CURLoption> expected = {CURLOPT_HTTPHEADER, CURLOPT_BUFFERSIZE, CURLOPT_URL, CURLOPT_TIMEOUT};
        if (c.expected == 0) expected.insert(expected.end(), {CURLOPT_LOW_SPEED_LIMIT, CURLOPT_LOW_SPEED_TIME});
        expected.insert(expected.end(), {CURLOPT_WRITEFUNCTION, CURLOPT_WRITEDATA});
        EXPECT_EQ(recorder.Options(), expected) << c.timeout;
    }
}

// A server that stops sending fails a transfer without a time limit with libcurl's timeout code
// once the stall window passes (shortened here from its 60 s).
TEST_F(HttpWebRequestTest, AStalledTransferWithoutATimeLimitFailsWith28) {
    const long previous = System::Net::HWRHelper::SetStallWindow(2);
    const auto start = std::chrono::steady_clock::now();
    const bool downloaded = Download("/stall/1000", 0);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    System::Net::HWRHelper::SetStallWindow(previous);
    EXPECT_FALSE(downloaded);
    EXPECT_EQ(request.GetErrorCode(), CURLE_OPERATION_TIMEDOUT);
    EXPECT_EQ(request.GetErrorMessage(), System::Net::HWRHelper::CurlErrorText(CURLE_OPERATION_TIMEDOUT));
    EXPECT_LT(elapsed, std::chrono::seconds(20));
}

// Every way a download ends forgets the attempt's settings: a later download reports no progress
// to a callback given for an attempt that failed early.
TEST_F(HttpWebRequestTest, AnEarlyFailureForgetsTheCallbackToo) {
    Progress progress;
    const std::wstring url = TestHttp::Url("/bytes/300000");
    request.SetProgressCallback(&RecordProgress, &progress);
    request.SetUrl(L"");
    EXPECT_FALSE(request.DownloadToFile(target.wstring().c_str(), 0, 1024));
    EXPECT_EQ(request.GetErrorCode(), 87);
    request.SetProgressCallback(&RecordProgress, &progress);
    EXPECT_FALSE(request.DownloadToFile(nullptr, 0, 1024));
    request.SetUrl(url.c_str());
    ASSERT_TRUE(request.DownloadToFile(target.wstring().c_str(), 0, 1024));
    EXPECT_TRUE(progress.reports.empty());
}

TEST_F(HttpWebRequestTest, ANullPathFailsWith87AndOpensNothing) {
    CurlRecorder recorder;
    request.SetUrl(TestHttp::Url("/bytes/10").c_str());
    EXPECT_FALSE(request.DownloadToFile(nullptr, 0, 1024));
    EXPECT_EQ(request.GetErrorCode(), 87);
    EXPECT_EQ(request.GetErrorMessage(), L"invalid parameter 'path'");
    EXPECT_TRUE(recorder.Options().empty());
}

TEST(HttpWebRequestHandle, EveryDownloadUsesAFreshHandleClosedAtItsEnd) {
    using Event = CurlRecorder::Event;
    CurlRecorder recorder;
    TestHttp::ScratchFolder folder;
    const std::wstring target = folder.File("file").wstring();
    {
        HttpWebRequest request;
        ASSERT_EQ(recorder.events.size(), 1u);
        EXPECT_EQ(recorder.events[0].kind, Event::kCreated);
        request.SetUrl(TestHttp::Url("/bytes/10").c_str());
        ASSERT_TRUE(request.DownloadToFile(target.c_str(), 0, 1024));
        EXPECT_EQ(recorder.events.back().kind, Event::kClosed);
        EXPECT_EQ(recorder.events.back().handle, recorder.events[0].handle);
        const size_t firstDownload = recorder.events.size();
        ASSERT_TRUE(request.DownloadToFile(target.c_str(), 0, 1024));
        ASSERT_GT(recorder.events.size(), firstDownload);
        EXPECT_EQ(recorder.events[firstDownload].kind, Event::kCreated);
        EXPECT_EQ(recorder.events.back().kind, Event::kClosed);
        EXPECT_EQ(recorder.events.back().handle, recorder.events[firstDownload].handle);
    }
    int created = 0, closed = 0;
    for (const Event& event : recorder.events) {
        created += event.kind == Event::kCreated;
        closed += event.kind == Event::kClosed;
    }
    EXPECT_EQ(created, 2);
    EXPECT_EQ(closed, 2);
}

#ifndef _WIN32
// A full disk must fail the download, whether it shows while writing (a body larger than stdio's
// buffer) or only when the file is closed (a small body).
TEST(HttpWebRequestDiskFull, AFailedWriteOrCloseFailsWithTheWriteError) {
    for (const char* path : {"/bytes/100", "/bytes/1000000"}) {
        HttpWebRequest request;
        request.SetUrl(TestHttp::Url(path).c_str());
        EXPECT_FALSE(request.DownloadToFile(L"/dev/full", 0, 1024)) << path;
        EXPECT_EQ(request.GetErrorCode(), CURLE_WRITE_ERROR) << path;
        EXPECT_EQ(request.GetErrorMessage(), System::Net::HWRHelper::CurlErrorText(CURLE_WRITE_ERROR));
    }
}
#endif

}  // namespace
