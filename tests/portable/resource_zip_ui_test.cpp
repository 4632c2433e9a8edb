// CResourceZipUI: opening from memory and files, finding, extracting, encryption, and damaged or
// hostile archives, which must fail with the reader's codes without touching memory they should not.
#include "ui/core/resource_zip_ui.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/portable/test_files.h"
#include "tests/portable/zip_builder.h"

using namespace Tovik;
using TestZip::Entry;

namespace {

struct ArchiveCloser {
    void operator()(TZipHandle* archive) const { CResourceZipUI::CloseArchive(archive); }
};
using Archive = std::unique_ptr<TZipHandle, ArchiveCloser>;

// An archive opened from bytes that it keeps alive as long as its handle: the reader never copies.
class MemoryArchive {
public:
    explicit MemoryArchive(std::string bytes, const char* password = nullptr)
        : bytes_(std::move(bytes)),
          handle_(CResourceZipUI::OpenArchiveMemory(bytes_.data(), static_cast<uint32_t>(bytes_.size()), password)) {}

    HZIP get() const { return handle_.get(); }

private:
    std::string bytes_;
    Archive handle_;
};

std::string Text(size_t length, int seed = 0) {
    std::string text;
    while (text.size() < length) text += "line " + std::to_string(seed + text.size()) + " of a skin file\n";
    text.resize(length);
    return text;
}

// Extracts the entry called `name` the way the engine does: find, then one buffer of its size.
uint32_t ExtractWhole(HZIP archive, const wchar_t* name, std::string& out) {
    int index = -1;
    TZipEntryInfo info;
    const uint32_t found = CResourceZipUI::FindEntry(archive, name, true, &index, &info);
    if (found != ZipResult::kSuccess) return found;
    out.assign(info.uncompressedSize, '\0');
    return CResourceZipUI::ExtractEntry(archive, index, out.empty() ? nullptr : &out[0], info.uncompressedSize);
}

const std::vector<Entry> kSkin = {
    {"FrameworkUI/main.xml", Text(5000), TestZip::kDeflated},
    {"FrameworkUI/bg.png", std::string("\x89PNG\r\n\x1a\n", 8) + Text(3000, 7), TestZip::kStored},
    {"FrameworkUI/empty.txt", "", TestZip::kDeflated},
};

TEST(ResourceZipOpen, ExtractsStoredAndDeflatedEntriesFromMemoryAndFile) {
    const TestZip::Archive built = TestZip::Build(kSkin);
    TestFiles::ScratchFolder folder;
    TestFiles::WriteFile(folder.File("skin.zip"), built.bytes);
    MemoryArchive fromMemory(built.bytes);
    Archive fromFile(CResourceZipUI::OpenArchiveFile(folder.File("skin.zip").wstring().c_str(), nullptr));
    for (HZIP archive : {fromMemory.get(), fromFile.get()}) {
        ASSERT_NE(archive, nullptr);
        for (const Entry& entry : kSkin) {
            std::string out;
            const std::wstring name(entry.name.begin(), entry.name.end());
            EXPECT_EQ(ExtractWhole(archive, name.c_str(), out), ZipResult::kSuccess) << entry.name;
            EXPECT_EQ(out, entry.data) << entry.name;
        }
    }
}

TEST(ResourceZipOpen, ACommentOrPrependedBytesDoNotGetInTheWay) {
    struct Case {
        std::string comment;
        std::string prefix;
    };
    const Case cases[] = {
        {std::string(2000, 'c'), ""}, {"", std::string(100, 'p')}, {Text(65000), std::string(5000, 'x')}};
    for (const Case& c : cases) {
        MemoryArchive archive(TestZip::Build(kSkin, c.comment, c.prefix).bytes);
        ASSERT_NE(archive.get(), nullptr) << c.comment.size() << " " << c.prefix.size();
        std::string out;
        EXPECT_EQ(ExtractWhole(archive.get(), L"FrameworkUI/main.xml", out), ZipResult::kSuccess);
        EXPECT_EQ(out, kSkin[0].data);
    }
}

TEST(ResourceZipOpen, AnEndRecordBeyondTheSearchSpanIsNotFound) {
    // The end record must lie within the last 65,535 bytes; a longer comment hides it.
    EXPECT_EQ(MemoryArchive(TestZip::Build(kSkin, std::string(65535, 'c')).bytes).get(), nullptr);
    EXPECT_EQ(CResourceZipUI::GetLastResult(), ZipResult::kCannotOpen);
}

TEST(ResourceZipOpen, MissingFilesEmptyInputAndAnEmptyArchive) {
    EXPECT_EQ(CResourceZipUI::OpenArchiveFile(L"no-such-archive.zip", nullptr), nullptr);
    EXPECT_EQ(CResourceZipUI::GetLastResult(), ZipResult::kCannotOpen);
    EXPECT_EQ(CResourceZipUI::OpenArchiveMemory(nullptr, 10, nullptr), nullptr);
    EXPECT_EQ(CResourceZipUI::OpenArchiveMemory("PK", 0, nullptr), nullptr);

    MemoryArchive empty(TestZip::Build({}).bytes);
    ASSERT_NE(empty.get(), nullptr);
    EXPECT_EQ(CResourceZipUI::GetLastResult(), ZipResult::kSuccess);
    EXPECT_EQ(CResourceZipUI::FindEntry(empty.get(), L"main.xml", true, nullptr, nullptr), ZipResult::kNotFound);
}

TEST(ResourceZipFind, FoldsOnlyAsciiLettersAndOnlyWhenAsked) {
    const std::string upperAe = "\xC3\x84.txt";  // "Ä.txt"
    // "z" and "Z" end the folded range; "`" and "{" lie just outside it, next to "@" and "[".
    MemoryArchive archive(
        TestZip::Build({{"SKIN/MAIN.XML", "x"}, {upperAe, "y"}, {"Zz.txt", "z"}, {"`{.txt", "q"}}).bytes);
    ASSERT_NE(archive.get(), nullptr);
    struct Case {
        const wchar_t* name;
        bool ignoreCase;
        int index;
    };
    const Case cases[] = {
        {L"Skin/main.xml", true, 0},  {L"Skin/main.xml", false, -1},
        {L"SKIN/MAIN.XML", false, 0}, {L"\x00C4.txt", false, 1},
        {L"\x00E4.txt", true, -1},    {L"\x00C4.TXT", true, 1},
        {L"SKIN/MAIN.XM", true, -1},  {L"", true, -1},
        {L"zZ.TXT", true, 2},         {L"zZ.txt", false, -1},
        {L"`{.txt", true, 3},         {L"@[.txt", true, -1},
        {L"@{.txt", true, -1},        {L"`[.txt", true, -1},
    };
    for (const Case& c : cases) {
        int index = 99;
        TZipEntryInfo info;
        info.index = 99;
        const uint32_t result = CResourceZipUI::FindEntry(archive.get(), c.name, c.ignoreCase, &index, &info);
        EXPECT_EQ(result, c.index >= 0 ? ZipResult::kSuccess : ZipResult::kNotFound);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(info.index, c.index);
        EXPECT_EQ(CResourceZipUI::GetLastResult(), result);
    }
}

TEST(ResourceZipFind, NamesOf256BytesOrMoreAreNotFound) {
    const std::string longName(300, 'n');
    MemoryArchive archive(TestZip::Build({{longName, "x"}, {std::string(255, 'm'), "y"}}).bytes);
    ASSERT_NE(archive.get(), nullptr);
    const std::wstring wideLong(longName.begin(), longName.end());
    EXPECT_EQ(CResourceZipUI::FindEntry(archive.get(), wideLong.c_str(), false, nullptr, nullptr),
              ZipResult::kNotFound);
    EXPECT_EQ(CResourceZipUI::FindEntry(archive.get(), std::wstring(255, L'm').c_str(), false, nullptr, nullptr),
              ZipResult::kSuccess);
}

TEST(ResourceZipFind, FillsTheEntryInfo) {
    Entry directory{"skin/", "", TestZip::kStored, 0x0314, 040755u << 16};
    Entry readOnly{"readonly.txt", "r", TestZip::kStored, 0x0314, 0100444u << 16};
    Entry dos{"dos.txt", "d", TestZip::kStored, 0x0014, 0x22};
    Entry stamped{"stamped.txt", Text(100), TestZip::kDeflated};
    stamped.localExtra = std::string("UT\x05\x00\x01", 5) + std::string("\x00\xF1\x53\x65", 4);  // 0x6553F100
    MemoryArchive archive(TestZip::Build({directory, readOnly, dos, stamped}).bytes);
    ASSERT_NE(archive.get(), nullptr);

    TZipEntryInfo info;
    ASSERT_EQ(CResourceZipUI::FindEntry(archive.get(), L"skin/", false, nullptr, &info), ZipResult::kSuccess);
    EXPECT_EQ(info.attributes, 0x10u);
    ASSERT_EQ(CResourceZipUI::FindEntry(archive.get(), L"readonly.txt", false, nullptr, &info), ZipResult::kSuccess);
    EXPECT_EQ(info.attributes, 0x21u);
    ASSERT_EQ(CResourceZipUI::FindEntry(archive.get(), L"dos.txt", false, nullptr, &info), ZipResult::kSuccess);
    EXPECT_EQ(info.attributes, 0x22u);
    ASSERT_EQ(CResourceZipUI::FindEntry(archive.get(), L"stamped.txt", false, nullptr, &info), ZipResult::kSuccess);
    EXPECT_EQ(info.index, 3);
    EXPECT_STREQ(info.name, L"stamped.txt");
    EXPECT_EQ(info.uncompressedSize, 100u);
    EXPECT_LT(info.compressedSize, 100u);
    const uint64_t ticks = (0x6553F100ULL + 11644473600ULL) * 10000000ULL;
    EXPECT_EQ(info.modificationTime.dwLowDateTime, static_cast<uint32_t>(ticks));
    EXPECT_EQ(info.modificationTime.dwHighDateTime, static_cast<uint32_t>(ticks >> 32));
}

// Timestamp headers cut short by the end of the extra field are ignored; nothing past the extra
// field is read (the sanitizer build would see it).
TEST(ResourceZipFind, ATruncatedTimestampHeaderIsIgnored) {
    const std::string extras[] = {
        std::string("UT\x01\x00", 4),                                       // announces a flags byte that is missing
        std::string("UT\x05\x00\x01\x00\xF1", 7),                           // flags, then a time cut short
        std::string("\x01\x00\x08\x00", 4) + std::string("UT\x05\x00", 4),  // a later header cut short
    };
    for (const std::string& extra : extras) {
        Entry entry{"e.txt", "e", TestZip::kStored};
        entry.localExtra = extra;
        MemoryArchive archive(TestZip::Build({entry}).bytes);
        TZipEntryInfo info;
        ASSERT_EQ(CResourceZipUI::FindEntry(archive.get(), L"e.txt", false, nullptr, &info), ZipResult::kSuccess);
        const FILETIME dos = Platform::DosTimeToFileTime((2024 - 1980) << 9 | 3 << 5 | 5, 12 << 11 | 30 << 5);
        EXPECT_EQ(info.modificationTime.dwLowDateTime, dos.dwLowDateTime);
        EXPECT_EQ(info.modificationTime.dwHighDateTime, dos.dwHighDateTime);
    }
}

TEST(ResourceZipFind, InfoNamesLoseDrivesLeadingSlashesAndParentSteps) {
    struct Case {
        const char* stored;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"C:/dir/a.txt", L"dir/a.txt"}, {"//abs/x", L"abs/x"},       {"a/../../b.txt", L"b.txt"}, {"x\\..\\y", L"y"},
        {"p/..\\q/../r", L"r"},         {"plain.txt", L"plain.txt"},
    };
    for (const Case& c : cases) {
        MemoryArchive archive(TestZip::Build({{c.stored, "x"}}).bytes);
        ASSERT_NE(archive.get(), nullptr);
        TZipEntryInfo info;
        const std::string stored = c.stored;
        ASSERT_EQ(CResourceZipUI::FindEntry(archive.get(), std::wstring(stored.begin(), stored.end()).c_str(), false,
                                            nullptr, &info),
                  ZipResult::kSuccess);
        EXPECT_STREQ(info.name, c.shown);
    }
}

TEST(ResourceZipExtract, AHalfSizeBufferGivesMoreDataThenTheRest) {
    MemoryArchive archive(TestZip::Build(kSkin).bytes);
    for (int index : {0, 1}) {
        const std::string& data = kSkin[index].data;
        std::string out(data.size(), '\0');
        const uint32_t half = static_cast<uint32_t>(data.size() / 2);
        EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), index, &out[0], half), ZipResult::kMoreData);
        EXPECT_EQ(
            CResourceZipUI::ExtractEntry(archive.get(), index, &out[half], static_cast<uint32_t>(data.size()) - half),
            ZipResult::kSuccess);
        EXPECT_EQ(out, data);
    }
}

TEST(ResourceZipExtract, EntriesCanBeReadInAnyOrderAndAgain) {
    MemoryArchive archive(TestZip::Build(kSkin).bytes);
    for (int index : {1, 0, 1, 1, 0}) {
        std::string out(kSkin[index].data.size(), '\0');
        EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), index, &out[0], static_cast<uint32_t>(out.size())),
                  ZipResult::kSuccess);
        EXPECT_EQ(out, kSkin[index].data);
    }
}

TEST(ResourceZipExtract, BadArgumentsAndForeignHandles) {
    MemoryArchive archive(TestZip::Build(kSkin).bytes);
    char byte;
    EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), 3, &byte, 1), ZipResult::kBadArgument);
    EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), -1, &byte, 1), ZipResult::kBadArgument);
    EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), 0, nullptr, 10), ZipResult::kBadArgument);
    EXPECT_EQ(CResourceZipUI::ExtractEntry(nullptr, 0, &byte, 1), ZipResult::kBadArgument);
    EXPECT_EQ(CResourceZipUI::FindEntry(nullptr, L"x", true, nullptr, nullptr), ZipResult::kBadArgument);
    EXPECT_EQ(CResourceZipUI::CloseArchive(nullptr), ZipResult::kBadArgument);
    EXPECT_EQ(CResourceZipUI::GetLastResult(), ZipResult::kBadArgument);

    TZipHandle foreign{TZipHandle::kArchiveReader + 1, nullptr};
    EXPECT_EQ(CResourceZipUI::CloseArchive(&foreign), ZipResult::kNotAnArchive);
    EXPECT_EQ(CResourceZipUI::FindEntry(&foreign, L"x", true, nullptr, nullptr), ZipResult::kNotAnArchive);
}

class EncryptedFixture : public ::testing::Test {
protected:
    static std::string Fixture() {
        const char* folder = std::getenv("CORVANA_ZIP_FIXTURES");
        return folder == nullptr ? std::string() : TestFiles::ReadFile(std::string(folder) + "/encrypted.zip");
    }
    static std::string Secret() {
        std::string text;
        for (int i = 0; i < 200; ++i) text += "Corvana secret line " + std::to_string(i) + "\n";
        return text;
    }
    static std::string Raw() {
        std::string bytes;
        for (int round = 0; round < 4; ++round) {
            for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
        }
        return bytes;
    }
    void SetUp() override { ASSERT_FALSE(archive_.empty()) << "the encrypted fixture is missing"; }

    const std::string archive_ = Fixture();
};

TEST_F(EncryptedFixture, TheRightPasswordExtractsBothEntries) {
    MemoryArchive archive(archive_, "Corvana-8.4");
    ASSERT_NE(archive.get(), nullptr);
    std::string out;
    EXPECT_EQ(ExtractWhole(archive.get(), L"secret.txt", out), ZipResult::kSuccess);
    EXPECT_EQ(out, Secret());
    EXPECT_EQ(ExtractWhole(archive.get(), L"raw.bin", out), ZipResult::kSuccess);
    EXPECT_EQ(out, Raw());
}

TEST_F(EncryptedFixture, AWrongOrMissingPasswordIsRefused) {
    for (const char* password : {"corvana-8.4", "", static_cast<const char*>(nullptr)}) {
        MemoryArchive archive(archive_, password);
        ASSERT_NE(archive.get(), nullptr);
        std::string out;
        const uint32_t secret = ExtractWhole(archive.get(), L"secret.txt", out);
        const uint32_t raw = ExtractWhole(archive.get(), L"raw.bin", out);
        // One check byte in 256 passes by chance; the CRC then refuses the bytes.
        EXPECT_TRUE(secret == ZipResult::kWrongPassword || secret == ZipResult::kReadError) << secret;
        EXPECT_TRUE(raw == ZipResult::kWrongPassword || raw == ZipResult::kReadError) << raw;
        EXPECT_TRUE(secret == ZipResult::kWrongPassword || raw == ZipResult::kWrongPassword);
    }
}

// Entries without a data descriptor take their password check byte from the CRC; an empty
// encrypted entry still has its 12 header bytes checked.
TEST(EncryptedEntries, WithoutADataDescriptorTheCheckByteIsTheCrcs) {
    std::vector<Entry> entries = {{"stored.txt", Text(700), TestZip::kStored},
                                  {"deflated.txt", Text(3000, 5), TestZip::kDeflated},
                                  {"empty.txt", "", TestZip::kStored}};
    for (Entry& entry : entries) entry.password = "Corvana-8.4";
    const std::string bytes = TestZip::Build(entries).bytes;
    {
        MemoryArchive archive(bytes, "Corvana-8.4");
        for (const Entry& entry : entries) {
            std::string out;
            const std::wstring name(entry.name.begin(), entry.name.end());
            EXPECT_EQ(ExtractWhole(archive.get(), name.c_str(), out), ZipResult::kSuccess) << entry.name;
            EXPECT_EQ(out, entry.data) << entry.name;
        }
    }
    MemoryArchive wrong(bytes, "corvana-8.4");
    for (const Entry& entry : entries) {
        std::string out;
        const std::wstring name(entry.name.begin(), entry.name.end());
        EXPECT_EQ(ExtractWhole(wrong.get(), name.c_str(), out), ZipResult::kWrongPassword) << entry.name;
    }
}

// Damage done to a valid two-entry archive, and the code each must give.
struct Damage {
    const char* what;
    void (*apply)(TestZip::Archive&);
    uint32_t openResult;  // kSuccess or kCannotOpen
    uint32_t findResult;  // for entry 1, when the archive opens
    uint32_t extractResult;
};

const Damage kDamages[] = {
    {"directory past the end",
     [](TestZip::Archive& a) { TestZip::Put32(a.bytes, a.endRecord + TestZip::End::kDirectoryOffset, 0x7FFFFFF0); },
     ZipResult::kCannotOpen, 0, 0},
    {"directory size past the record",
     [](TestZip::Archive& a) { TestZip::Put32(a.bytes, a.endRecord + TestZip::End::kDirectorySize, 0x10000); },
     ZipResult::kCannotOpen, 0, 0},
    {"entry counts differ",
     [](TestZip::Archive& a) { TestZip::Put16(a.bytes, a.endRecord + TestZip::End::kEntriesHere, 3); },
     ZipResult::kCannotOpen, 0, 0},
    {"more entries claimed than exist",
     [](TestZip::Archive& a) {
         TestZip::Put16(a.bytes, a.endRecord + TestZip::End::kEntriesHere, 5);
         TestZip::Put16(a.bytes, a.endRecord + TestZip::End::kEntriesTotal, 5);
     },
     ZipResult::kSuccess, ZipResult::kSuccess, ZipResult::kSuccess},
    {"local header signature", [](TestZip::Archive& a) { a.bytes[a.localHeaders[1]] = 'X'; }, ZipResult::kSuccess,
     ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"local CRC disagrees",
     [](TestZip::Archive& a) { TestZip::Put32(a.bytes, a.localHeaders[1] + TestZip::Local::kCrc, 1); },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"local name length disagrees",
     [](TestZip::Archive& a) { TestZip::Put16(a.bytes, a.localHeaders[1] + TestZip::Local::kNameLength, 3); },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"local method disagrees",
     [](TestZip::Archive& a) { TestZip::Put16(a.bytes, a.localHeaders[1] + TestZip::Local::kMethod, 0); },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"method 12",
     [](TestZip::Archive& a) {
         TestZip::Put16(a.bytes, a.localHeaders[1] + TestZip::Local::kMethod, 12);
         TestZip::Put16(a.bytes, a.directoryRecords[1] + TestZip::Directory::kMethod, 12);
     },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"local header offset past the end",
     [](TestZip::Archive& a) {
         TestZip::Put32(a.bytes, a.directoryRecords[1] + TestZip::Directory::kLocalHeaderOffset, 0x7FFFFFF0);
     },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"huge uncompressed size",
     [](TestZip::Archive& a) {
         TestZip::Put32(a.bytes, a.localHeaders[1] + TestZip::Local::kUncompressedSize, 0xFFFFFFF0);
         TestZip::Put32(a.bytes, a.directoryRecords[1] + TestZip::Directory::kUncompressedSize, 0xFFFFFFF0);
     },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"inflation beyond deflate's limit",
     [](TestZip::Archive& a) {
         TestZip::Put32(a.bytes, a.localHeaders[1] + TestZip::Local::kCompressedSize, 2);
         TestZip::Put32(a.bytes, a.directoryRecords[1] + TestZip::Directory::kCompressedSize, 2);
     },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"compressed data past the end",
     [](TestZip::Archive& a) {
         TestZip::Put32(a.bytes, a.localHeaders[1] + TestZip::Local::kCompressedSize, 0x01000000);
         TestZip::Put32(a.bytes, a.directoryRecords[1] + TestZip::Directory::kCompressedSize, 0x01000000);
     },
     ZipResult::kSuccess, ZipResult::kBadLocalHeader, ZipResult::kBadLocalHeader},
    {"CRC mismatch in both headers",
     [](TestZip::Archive& a) {
         TestZip::Put32(a.bytes, a.localHeaders[1] + TestZip::Local::kCrc, 0x12345678);
         TestZip::Put32(a.bytes, a.directoryRecords[1] + TestZip::Directory::kCrc, 0x12345678);
     },
     ZipResult::kSuccess, ZipResult::kSuccess, ZipResult::kReadError},
    {"corrupt deflate stream",
     [](TestZip::Archive& a) {
         for (size_t i = 0; i < 40; ++i) a.bytes[a.dataOffsets[1] + i] = static_cast<char>(0xFF);
     },
     ZipResult::kSuccess, ZipResult::kSuccess, ZipResult::kReadError},
    {"uncompressed size larger than the stream",
     [](TestZip::Archive& a) {
         TestZip::Put32(a.bytes, a.localHeaders[1] + TestZip::Local::kUncompressedSize, 5001);
         TestZip::Put32(a.bytes, a.directoryRecords[1] + TestZip::Directory::kUncompressedSize, 5001);
     },
     ZipResult::kSuccess, ZipResult::kSuccess, ZipResult::kReadError},
};

TEST(ResourceZipDamage, EachDamageGivesItsCode) {
    for (const Damage& damage : kDamages) {
        TestZip::Archive built = TestZip::Build({kSkin[1], kSkin[0]});
        damage.apply(built);
        MemoryArchive archive(built.bytes);
        EXPECT_EQ(CResourceZipUI::GetLastResult(), damage.openResult) << damage.what;
        if (archive.get() == nullptr) continue;
        int index = -1;
        TZipEntryInfo info;
        EXPECT_EQ(CResourceZipUI::FindEntry(archive.get(), L"FrameworkUI/main.xml", false, &index, &info),
                  damage.findResult)
            << damage.what;
        std::string out(5000, '\0');
        EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), 1, &out[0], 5000), damage.extractResult) << damage.what;
    }
}

TEST(ResourceZipDamage, EntriesClaimedButMissingCannotBeExtracted) {
    TestZip::Archive built = TestZip::Build(kSkin);
    TestZip::Put16(built.bytes, built.endRecord + TestZip::End::kEntriesHere, 5);
    TestZip::Put16(built.bytes, built.endRecord + TestZip::End::kEntriesTotal, 5);
    MemoryArchive archive(built.bytes);
    ASSERT_NE(archive.get(), nullptr);
    char out[16];
    EXPECT_EQ(CResourceZipUI::ExtractEntry(archive.get(), 4, out, sizeof out), ZipResult::kReadError);
    EXPECT_EQ(CResourceZipUI::FindEntry(archive.get(), L"missing", true, nullptr, nullptr), ZipResult::kNotFound);
}

TEST(ResourceZipDamage, EveryTruncationFailsToOpen) {
    const std::string bytes = TestZip::Build(kSkin).bytes;
    for (size_t length = 0; length < bytes.size(); ++length) {
        // A copy of exactly `length` bytes, so the sanitizers see any read past it.
        std::unique_ptr<char[]> copy(new char[length + 1]);
        std::copy(bytes.begin(), bytes.begin() + length, copy.get());
        HZIP archive = CResourceZipUI::OpenArchiveMemory(copy.get(), static_cast<uint32_t>(length), nullptr);
        EXPECT_EQ(archive, nullptr) << length;
        CResourceZipUI::CloseArchive(archive);
    }
}

TEST(ResourceZipDamage, EveryFlippedByteFailsCleanlyOrExtractsTheTruth) {
    const TestZip::Archive built = TestZip::Build({kSkin[0], kSkin[1]});
    for (size_t at = 0; at < built.bytes.size(); ++at) {
        std::string bytes = built.bytes;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
        MemoryArchive archive(bytes);
        if (archive.get() == nullptr) continue;
        for (int index = 0; index < 2; ++index) {
            std::vector<char> out(8192);
            const uint32_t result = CResourceZipUI::ExtractEntry(archive.get(), index, out.data(), 8192);
            if (result == ZipResult::kSuccess) {
                const std::string& data = kSkin[index].data;
                EXPECT_EQ(std::string(out.data(), data.size()), data) << "byte " << at;
            }
        }
    }
}

}  // namespace
