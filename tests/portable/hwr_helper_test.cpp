// HWRHelper without a server: status texts, result checking, preparation and the two callbacks.
#include "net/hwr_helper.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/platform.h"
#include "tests/portable/test_http.h"

using System::Net::HWRContext;
using System::Net::HWRHelper;

namespace {

TEST(HWRHelperTexts, HttpStatusTextHasTheNumberAndTheTableText) {
    struct Case {
        int status;
        const wchar_t* text;
    };
    const Case cases[] = {
        {200, L"200 正常；请求已完成"},
        {204, L"204 正常；无响应 — 已接收请求，但不存在要回送的信息"},
        {302, L"302 暂时性转移(Temporarily Moved,可能是服务器内部错误导致的错误跳转)"},
        {304, L"304 未修改 — 未按预期修改文档。 "},
        {404, L"404 Not Found 无法找到指定位置的资源"},
        {503, L"503 无法获得服务 — 由于临时过载或维护，服务器无法处理请求。"},
        {206, L"206 http request failed"},
        {408, L"408 http request failed"},
        {410, L"410 http request failed"},
        {0, L"0 http request failed"},
    };
    for (const auto& c : cases) EXPECT_EQ(HWRHelper::HttpStatusText(c.status), c.text);
}

TEST(HWRHelperTexts, CurlErrorTextIsLibcurlsOwn) {
    for (CURLcode code :
         {CURLE_COULDNT_RESOLVE_HOST, CURLE_PARTIAL_FILE, CURLE_WRITE_ERROR, CURLE_ABORTED_BY_CALLBACK}) {
        EXPECT_EQ(HWRHelper::CurlErrorText(code),
                  Platform::ToWideString(Platform::CodePage::Ansi, curl_easy_strerror(code)));
    }
}

TEST(HWRHelperResult, OnlyStatus200WithoutACurlErrorSucceeds) {
    struct Case {
        int curlCode;
        long status;
        bool success;
        int code;
    };
    const Case cases[] = {
        {0, 200, true, 0},    {0, 206, false, 206}, {0, 204, false, 204}, {0, 201, false, 201},
        {0, 302, false, 302}, {0, 500, false, 500}, {6, 0, false, 6},     {18, 200, false, 18},
    };
    HWRContext context;
    for (const auto& c : cases) {
        HWRHelper helper(nullptr, &context);
        EXPECT_EQ(helper.CheckResult(c.curlCode, c.status), c.success);
        EXPECT_EQ(helper.GetErrorCode(), c.code);
        const std::wstring expected = c.success         ? L""
                                      : c.curlCode != 0 ? HWRHelper::CurlErrorText(c.curlCode)
                                                        : HWRHelper::HttpStatusText(c.code);
        EXPECT_EQ(helper.GetErrorMessage(), expected);
    }
}

TEST(HWRHelperPrepare, AnEmptyUrlFailsBeforeAnyLibcurlCall) {
    TestHttp::CurlRecorder recorder;
    HWRContext context;
    HWRHelper helper(nullptr, &context);
    EXPECT_FALSE(helper.Perform());
    EXPECT_EQ(helper.GetErrorCode(), 87);
    EXPECT_EQ(helper.GetErrorMessage(), L"非法参数,服务器url地址不能为空");
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(context.handle, nullptr);
}

TEST(HWRHelperPrepare, CreatesTheHandleOnceAndResetKeepsHandleAndUrl) {
    HWRContext context;
    HWRHelper helper(nullptr, &context);
    context.url = L"http://127.0.0.1:1/";
    ASSERT_TRUE(helper.Prepare());
    CURL* handle = context.handle;
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(helper.CreateHandle());
    EXPECT_EQ(context.handle, handle);

    context.mode = HWRContext::kModeFile;
    context.keepLimit = 10;
    context.timeout = 5;
    context.bodyBuffer.Append("abc", 3);
    helper.Reset(true);
    EXPECT_EQ(context.mode, HWRContext::kModeIdle);
    EXPECT_EQ(context.keepLimit, 0);
    EXPECT_EQ(context.timeout, 60);
    EXPECT_EQ(context.bodyBuffer.GetCapacity(), 0);
    EXPECT_EQ(context.handle, handle);
    EXPECT_EQ(context.url, L"http://127.0.0.1:1/");
    helper.CloseHandle();
    EXPECT_EQ(context.handle, nullptr);
}

TEST(HWRHelperCallbacks, WriteKeepsOnlyTheLeadingBytesWhileTheFileGetsAll) {
    TestHttp::ScratchFolder folder;
    HWRContext context;
    context.mode = HWRContext::kModeFile;
    context.keepLimit = 1024;
    context.outputFile = Platform::OpenFile(folder.File("body").wstring().c_str(), L"wb");
    ASSERT_NE(context.outputFile, nullptr);
    std::string body = TestHttp::PatternBody(3000);
    for (size_t at = 0; at < body.size(); at += 1000) {
        EXPECT_EQ(HWRHelper::WriteBodyCallback(&body[at], 1, 1000, &context), 1000u);
    }
    std::fclose(context.outputFile);
    EXPECT_EQ(TestHttp::ReadFile(folder.File("body")), body);
    std::string kept(1024, '\0');
    EXPECT_EQ(context.bodyBuffer.Read(&kept[0], 1024), 1024);
    EXPECT_EQ(context.bodyBuffer.GetUsed(), 1024);
    EXPECT_EQ(kept, body.substr(0, 1024));
}

TEST(HWRHelperCallbacks, WriteOutsideFileModeKeepsEverything) {
    HWRContext context;
    char bytes[700] = {};
    EXPECT_EQ(HWRHelper::WriteBodyCallback(bytes, 7, 100, &context), 700u);
    EXPECT_EQ(context.bodyBuffer.GetUsed(), 700);
}

struct ProgressProbe {
    int calls = 0;
    int64_t total = -1;
    int64_t now = -1;
    int answer = 0;
};

int RecordProgress(int64_t total, int64_t now, void* context) {
    auto* probe = static_cast<ProgressProbe*>(context);
    ++probe->calls;
    probe->total = total;
    probe->now = now;
    return probe->answer;
}

TEST(HWRHelperCallbacks, ProgressForwardsOnlyAnnouncedTotals) {
    struct Case {
        bool callback;
        int mode;
        curl_off_t downloadTotal, downloadNow, uploadTotal, uploadNow;
        int answer;
        int expectedCalls;
        int64_t expectedTotal, expectedNow;
        int expectedResult;
    };
    const Case cases[] = {
        {false, HWRContext::kModeFile, 100, 40, 0, 0, 0, 0, -1, -1, 0},
        {true, HWRContext::kModeFile, 0, 40, 0, 0, 0, 0, -1, -1, 0},
        {true, HWRContext::kModeFile, 100, 40, 0, 0, 0, 1, 100, 40, 0},
        {true, HWRContext::kModeFile, 100, 40, 0, 0, 3, 1, 100, 40, 3},
        {true, HWRContext::kModeFile, 5000000000LL, 4000000000LL, 0, 0, 0, 1, 5000000000LL, 4000000000LL, 0},
        {true, HWRContext::kModeIdle, 100, 40, 0, 0, 0, 0, -1, -1, 0},
        {true, HWRContext::kModeIdle, 100, 40, 50, 10, 0, 1, 50, 10, 0},
    };
    for (const auto& c : cases) {
        ProgressProbe probe;
        probe.answer = c.answer;
        HWRContext context;
        context.mode = c.mode;
        if (c.callback) {
            context.progressCallback = &RecordProgress;
            context.progressContext = &probe;
        }
        EXPECT_EQ(
            HWRHelper::TransferProgressCallback(&context, c.downloadTotal, c.downloadNow, c.uploadTotal, c.uploadNow),
            c.expectedResult);
        EXPECT_EQ(probe.calls, c.expectedCalls);
        EXPECT_EQ(probe.total, c.expectedTotal);
        EXPECT_EQ(probe.now, c.expectedNow);
    }
}

}  // namespace
