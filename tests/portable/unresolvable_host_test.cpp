// A host name that cannot be resolved. Run only through tests/http/run-without-network, where the
// lookup fails at once inside a namespace without any route: never a real lookup.
#include "net/http_web_request.h"

#include <gtest/gtest.h>

#include "tests/portable/test_files.h"

namespace {

TEST(HttpWebRequestResolve, AnUnresolvableHostFailsWithLibcurlsCode) {
    TestFiles::ScratchFolder folder;
    System::Net::HttpWebRequest request;
    request.SetUrl(L"http://download.corvana.invalid/qvx_installer_8.4.exe");
    EXPECT_FALSE(request.DownloadToFile(folder.File("x.exe").wstring().c_str(), 0, 1024));
    EXPECT_EQ(request.GetErrorCode(), CURLE_COULDNT_RESOLVE_HOST);
    EXPECT_EQ(request.GetErrorMessage(), System::Net::HWRHelper::CurlErrorText(CURLE_COULDNT_RESOLVE_HOST));
}

}  // namespace
