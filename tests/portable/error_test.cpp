// IError: codes and texts of every setter, null and empty formats, unlimited formatting.
#include "support/error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Outcome : public System::Pattern::IError {};

TEST(IError, StartsClearedAndClearErrorResets) {
    Outcome outcome;
    EXPECT_EQ(outcome.GetErrorCode(), 0);
    EXPECT_TRUE(outcome.GetErrorMessage().empty());
    outcome.SetFailed(nullptr);
    outcome.ClearError();
    EXPECT_EQ(outcome.GetErrorCode(), 0);
    EXPECT_TRUE(outcome.GetErrorMessage().empty());
}

TEST(IError, SettersWithANullFormatUseTheirFixedTexts) {
    struct Case {
        void (*set)(Outcome&);
        int code;
        const wchar_t* message;
    };
    const Case cases[] = {
        {[](Outcome& o) { o.SetError(5, nullptr); }, 5, L""},
        {[](Outcome& o) { o.SetSuccess(nullptr); }, 0, L"成功"},
        {[](Outcome& o) { o.SetFailed(nullptr); }, -2, L"发生错误"},
        {[](Outcome& o) { o.SetExecuteFailed(nullptr); }, -3, L"执行失败"},
        {[](Outcome& o) { o.SetUnknownError(nullptr); }, -1, L"未知错误"},
        {[](Outcome& o) { o.SetInvalidParameter("url"); }, 87, L"invalid parameter 'url'"},
        {[](Outcome& o) { o.SetInvalidParameter(""); }, 87, L"invalid parameter"},
        {[](Outcome& o) { o.SetInvalidParameter(static_cast<const char*>(nullptr)); }, 87, L"invalid parameter"},
        {[](Outcome& o) { o.SetInvalidParameter(L"路径"); }, 87, L"invalid parameter '路径'"},
        {[](Outcome& o) { o.SetInvalidParameter(L""); }, 87, L"invalid parameter"},
    };
    for (const auto& c : cases) {
        Outcome outcome;
        outcome.SetMessage(L"stale");
        c.set(outcome);
        EXPECT_EQ(outcome.GetErrorCode(), c.code);
        EXPECT_EQ(outcome.GetErrorMessage(), c.message);
    }
}

TEST(IError, SettersFormatTheirMessage) {
    Outcome outcome;
    outcome.SetError(404, L"%d %ls", 404, L"Not Found");
    EXPECT_EQ(outcome.GetErrorCode(), 404);
    EXPECT_EQ(outcome.GetErrorMessage(), L"404 Not Found");
    outcome.SetFailed(L"");
    EXPECT_EQ(outcome.GetErrorCode(), -2);
    EXPECT_EQ(outcome.GetErrorMessage(), L"");
    outcome.SetSuccess(L"%ls完成", L"下载");
    EXPECT_EQ(outcome.GetErrorCode(), 0);
    EXPECT_EQ(outcome.GetErrorMessage(), L"下载完成");
}

TEST(IError, SetMessageKeepsTheCodeAndIgnoresANullFormat) {
    Outcome outcome;
    outcome.SetError(23, L"first");
    outcome.SetMessage(L"second %d", 2);
    EXPECT_EQ(outcome.GetErrorCode(), 23);
    EXPECT_EQ(outcome.GetErrorMessage(), L"second 2");
    outcome.SetMessage(nullptr);
    EXPECT_EQ(outcome.GetErrorMessage(), L"second 2");
}

TEST(IError, FormattingHasNoLengthLimit) {
    const std::wstring longText(100000, L'长');
    Outcome outcome;
    outcome.SetUnknownError(L"[%ls]", longText.c_str());
    EXPECT_EQ(outcome.GetErrorMessage(), L"[" + longText + L"]");
}

TEST(IError, CopyErrorTakesCodeAndMessage) {
    Outcome from, to;
    from.SetError(18, L"partial");
    to.CopyError(from);
    EXPECT_EQ(to.GetErrorCode(), 18);
    EXPECT_EQ(to.GetErrorMessage(), L"partial");
}

}  // namespace
