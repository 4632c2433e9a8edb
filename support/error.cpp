// IError setters: each sets the code and formats the message, with a fixed text where the format
// is null.
#include "support/error.h"

#include <cstdarg>

#include "support/platform.h"

namespace System {
namespace Pattern {
namespace {

// The formatted text, or `fallback` when there is no format (an empty format gives "").
std::wstring FormatOr(const wchar_t* fallback, const wchar_t* format, va_list args) {
    if (format == nullptr) return fallback;
    std::wstring text;
    Platform::FormatWide(text, format, args);
    return text;
}

}  // namespace

#define IERROR_FORMAT_MESSAGE(fallback)            \
    va_list args;                                  \
    va_start(args, format);                        \
    message_ = FormatOr((fallback), format, args); \
    va_end(args)

void IError::ClearError() {
    code_ = 0;
    message_.clear();
}

void IError::SetMessage(const wchar_t* format, ...) {
    if (format == nullptr) return;
    IERROR_FORMAT_MESSAGE(L"");
}

void IError::SetError(int code, const wchar_t* format, ...) {
    code_ = code;
    IERROR_FORMAT_MESSAGE(L"");
}

void IError::SetSuccess(const wchar_t* format, ...) {
    code_ = 0;
    IERROR_FORMAT_MESSAGE(L"成功");
}

void IError::SetFailed(const wchar_t* format, ...) {
    code_ = kFailed;
    IERROR_FORMAT_MESSAGE(L"发生错误");
}

void IError::SetExecuteFailed(const wchar_t* format, ...) {
    code_ = kExecuteFailed;
    IERROR_FORMAT_MESSAGE(L"执行失败");
}

void IError::SetUnknownError(const wchar_t* format, ...) {
    code_ = kUnknownError;
    IERROR_FORMAT_MESSAGE(L"未知错误");
}

#undef IERROR_FORMAT_MESSAGE

void IError::SetInvalidParameter(const char* name) {
    if (name == nullptr || *name == 0) {
        SetInvalidParameter(static_cast<const wchar_t*>(nullptr));
        return;
    }
    SetInvalidParameter(Platform::ToWideString(Platform::CodePage::Ansi, name).c_str());
}

void IError::SetInvalidParameter(const wchar_t* name) {
    code_ = kInvalidParameter;
    if (name == nullptr || *name == 0) {
        message_ = L"invalid parameter";
    } else {
        message_ = L"invalid parameter '" + std::wstring(name) + L"'";
    }
}

void IError::CopyError(const IError& other) {
    code_ = other.code_;
    message_ = other.message_;
}

}  // namespace Pattern
}  // namespace System
