// The process-wide table of HTTP status texts, built on first use.
#include "net/http_status_text.h"

#include <map>

namespace System {
namespace Net {
namespace {

const std::map<int, std::wstring>& StatusTexts() {
    static const std::map<int, std::wstring> table = {
        {200, L"正常；请求已完成"},
        {201, L"正常；紧接 POST 命令"},
        {202, L"正常；已接受用于处理，但处理尚未完成"},
        {203, L"正常；部分信息 — 返回的信息只是一部分"},
        {204, L"正常；无响应 — 已接收请求，但不存在要回送的信息"},
        {301, L"已移动 — 请求的数据具有新的位置且更改是永久的"},
        {302, L"暂时性转移(Temporarily Moved,可能是服务器内部错误导致的错误跳转)"},
        {303, L"请参阅其它 — 可在另一 URI 下找到对请求的响应，且应使用 GET 方法检索此响应。"},
        {304, L"未修改 — 未按预期修改文档。 "},
        {305, L"使用代理 — 必须通过位置字段中提供的代理来访问请求的资源。"},
        {306, L"未使用 — 不再使用；保留此代码以便将来使用。"},
        {400, L"Bad Request 请求出现语法错误。"},
        {401, L"未授权 — 未授权客户机访问数据。"},
        {402, L"需要付款 — 表示计费系统已有效。"},
        {403, L"Forbidden 资源不可用。服务器理解客户的请求，但拒绝处理它。通常由于服务器上文件或目录的权限设置导致。"},
        {404, L"Not Found 无法找到指定位置的资源"},
        {405, L"Method Not Allowed 请求方法（GET、POST、HEAD、Delete、PUT、TRACE等）对指定的资源不适用。"},
        {406, L"Not Acceptable 指定的资源已经找到，但它的MIME类型和客户在Accpet头中所指定的不兼容"},
        {407, L"代理认证请求 — 客户机首先必须使用代理认证自身。"},
        {409, L"Conflict 通常和PUT请求有关。由于请求和资源的当前状态相冲突，因此请求不能成功。"},
        {411, L"需要有效长度,服务器不接受不含有效内容长度标头字段的请求"},
        {500, L"内部错误 — 因为意外情况，服务器不能完成请求。"},
        {501, L"未执行 — 服务器不支持请求的工具。"},
        {502, L"错误网关 — 服务器接收到来自上游服务器的无效响应。"},
        {503, L"无法获得服务 — 由于临时过载或维护，服务器无法处理请求。"},
    };
    return table;
}

}  // namespace

const wchar_t* FindHttpStatusText(int status) {
    const auto& table = StatusTexts();
    const auto found = table.find(status);
    return found != table.end() ? found->second.c_str() : nullptr;
}

}  // namespace Net
}  // namespace System
