// System::Pattern::IError: the outcome of an object's last operation as an integer code and a
// wide message. Codes of different origins share one number space (Win32, errno, libcurl, HTTP
// statuses, and −1/−2/−3 below); the message tells them apart. Objects are destroyed through
// their own type, so the destructor is protected and not virtual.
#pragma once

#include <string>

namespace System {
namespace Pattern {

class IError {
public:
    static constexpr int kUnknownError = -1;
    static constexpr int kFailed = -2;
    static constexpr int kExecuteFailed = -3;
    static constexpr int kInvalidParameter = 87;

    IError() = default;

    // Formats follow printf with wide formats; the message has no length limit.
    virtual void ClearError();
    virtual void SetMessage(const wchar_t* format, ...);
    virtual void SetError(int code, const wchar_t* format, ...);
    virtual void SetSuccess(const wchar_t* format, ...);
    virtual void SetFailed(const wchar_t* format, ...);
    virtual void SetExecuteFailed(const wchar_t* format, ...);
    virtual void SetUnknownError(const wchar_t* format, ...);
    // The narrow name is in the ANSI code page.
    virtual void SetInvalidParameter(const char* name);
    virtual void SetInvalidParameter(const wchar_t* name);

    void CopyError(const IError& other);

    int GetErrorCode() const { return code_; }
    const std::wstring& GetErrorMessage() const { return message_; }

protected:
    ~IError() = default;
    IError(const IError&) = default;
    IError& operator=(const IError&) = default;

private:
    int code_ = 0;
    std::wstring message_;
};

}  // namespace Pattern
}  // namespace System
