// WriteLog under Wine: the file beside the test executable, its exact line format, appending,
// concurrent writers and long messages. These tests share the logs folder, so they never run in
// parallel with each other.
#include "support/log.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string ExecutableFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

const std::string kLogFolder = ExecutableFolder() + "\\logs";
const std::string kLogFile = kLogFolder + "\\Pelmora.log";

std::string ReadLog() {
    std::ifstream in(kLogFile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the log ends in the middle of a line";
    return lines;
}

std::string Stamp(const SYSTEMTIME& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return stamp;
}

// "(<stamp>)<pid>" at the start of every line.
std::string LinePrefixPattern() {
    return "\\(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\)<" + std::to_string(GetCurrentProcessId()) + ">";
}

void RemoveLogFolder() {
    DeleteFileA(kLogFile.c_str());
    RemoveDirectoryA(kLogFolder.c_str());
}

class WriteLogWithFolder : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveLogFolder();
        ASSERT_TRUE(CreateDirectoryA(kLogFolder.c_str(), nullptr));
    }
    void TearDown() override { RemoveLogFolder(); }
};

TEST(WriteLogWithoutFolder, SucceedsAndCreatesNothing) {
    RemoveLogFolder();
    WriteLog("ThreadProc Begin");
    WriteLog("DownFileWork [%s][%s]", "http://127.0.0.1/qvx_installer_8.4.exe", "C:\\x.exe");
    EXPECT_EQ(GetFileAttributesA(kLogFolder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(WriteLogWithFolder, AppendsOneLinePerCallInTheExactFormat) {
    {
        std::ofstream existing(kLogFile, std::ios::binary);
        existing << "earlier line\r\n";
    }
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    WriteLog("ThreadProc Begin");
    WriteLog("DownFileWork DownFileEx [%d]", 0);
    GetLocalTime(&after);

    const std::vector<std::string> lines = Lines(ReadLog());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "earlier line");
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(LinePrefixPattern() + "ThreadProc Begin"))) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(LinePrefixPattern() + "DownFileWork DownFileEx \\[0\\]")))
        << lines[2];
    const std::string stamp = lines[1].substr(1, 19);
    EXPECT_LE(Stamp(before), stamp);
    EXPECT_GE(Stamp(after), stamp);
}

TEST_F(WriteLogWithFolder, ConcurrentWritersKeepEveryLineWhole) {
    auto writer = [](int id) {
        for (int i = 0; i < 500; ++i) WriteLog("writer %d line %03d", id, i);
    };
    std::thread first(writer, 1), second(writer, 2);
    first.join();
    second.join();
    const std::vector<std::string> lines = Lines(ReadLog());
    ASSERT_EQ(lines.size(), 1000u);
    const std::regex whole(LinePrefixPattern() + "writer [12] line \\d{3}");
    int wholeLines = 0;
    std::string firstBroken;
    for (const std::string& line : lines) {
        const bool isWhole = std::regex_match(line, whole);
        wholeLines += isWhole;
        if (!isWhole && firstBroken.empty()) firstBroken = line;
    }
    EXPECT_EQ(wholeLines, 1000) << "first broken line: " << firstBroken;
}

TEST_F(WriteLogWithFolder, CutsLongMessagesAtTheBuffer) {
    const std::string longText(20000, 'x');
    WriteLog("%s", longText.c_str());
    WriteLog("after");
    const std::vector<std::string> lines = Lines(ReadLog());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(LinePrefixPattern() + "x{10239}")));
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(LinePrefixPattern() + "after")));
}

}  // namespace
