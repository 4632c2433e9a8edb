// The resource store under Wine: where skin bytes come from, image decoding and the colour key,
// the image, font, default-attribute and style tables, private fonts and the name catalogue.
#include "ui/core/paint_manager_ui.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/portable/test_files.h"
#include "tests/portable/zip_builder.h"
#include "tests/windows/test_png.h"
#include "tests/windows/test_support.h"
#include "ui/core/resource_catalog_ui.h"
#include "ui/core/skin_markup.h"
#include "ui/core/skin_render.h"

using namespace Tovik;

namespace {

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

uint32_t PixelAt(const TSkinImage* image, int x, int y) {
    DIBSECTION section = {};
    GetObjectW(image->bitmap, sizeof section, &section);
    return static_cast<const uint32_t*>(section.dsBm.bmBits)[y * image->width + x];
}

using TestSupport::ArchiveMode;

TEST(ResourceSettings, MemoryArchiveAndFolderMode) {
    EXPECT_TRUE(CPaintManagerUI::GetResourceZipName().IsEmpty());
    CPaintManagerUI::SetResourceZipFile(L"MainUI.zip", false, nullptr);
    EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), L"MainUI.zip");
    EXPECT_FALSE(CPaintManagerUI::IsResourceZipCached());
    EXPECT_EQ(CPaintManagerUI::GetResourceZipArchive(), nullptr);
    {
        ArchiveMode archive({{"a.txt", "x"}});
        EXPECT_EQ(CPaintManagerUI::GetResourceZipName(), L"membuffer");
        EXPECT_TRUE(CPaintManagerUI::IsResourceZipCached());
        const HZIP held = CPaintManagerUI::GetResourceZipArchive();
        ASSERT_NE(held, nullptr);
        const std::string other = TestZip::Build({{"b.txt", "y"}}).bytes;
        CPaintManagerUI::SetResourceZipFromMemory(other.data(), static_cast<uint32_t>(other.size()), nullptr);
        EXPECT_EQ(CPaintManagerUI::GetResourceZipArchive(), held);  // already "membuffer": nothing happens
    }
    EXPECT_TRUE(CPaintManagerUI::GetResourceZipName().IsEmpty());
    EXPECT_EQ(CPaintManagerUI::GetResourceZipArchive(), nullptr);
    EXPECT_EQ(CPaintManagerUI::GetResourceModule(), CPaintManagerUI::GetModuleInstance());
}

TEST(LoadSkinBytes, ArchiveNamesIgnoreCaseAndTakeBackslashes) {
    ArchiveMode archive({{"LOGO.PNG", "logo"}, {"img/logo.png", "nested"}, {"empty.txt", ""}});
    EXPECT_EQ(CPaintManagerUI::LoadSkinBytes(L"logo.png"), Bytes("logo"));
    EXPECT_EQ(CPaintManagerUI::LoadSkinBytes(L"img\\logo.png"), Bytes("nested"));
    EXPECT_TRUE(CPaintManagerUI::LoadSkinBytes(L"empty.txt").empty());
    EXPECT_TRUE(CPaintManagerUI::LoadSkinBytes(L"missing.png").empty());
}

TEST(LoadSkinBytes, AnEntryThatCannotBeExtractedIsMissing) {
    TestZip::Archive built = TestZip::Build({{"bad.png", std::string(100, 'x'), TestZip::kStored}});
    TestZip::Put32(built.bytes, built.localHeaders[0] + TestZip::Local::kCrc, 1);
    TestZip::Put32(built.bytes, built.directoryRecords[0] + TestZip::Directory::kCrc, 1);
    CPaintManagerUI::SetResourceZipFromMemory(built.bytes.data(), static_cast<uint32_t>(built.bytes.size()), nullptr);
    EXPECT_TRUE(CPaintManagerUI::LoadSkinBytes(L"bad.png").empty());
    CPaintManagerUI manager;
    EXPECT_EQ(manager.AddSkinImage(L"bad.png", nullptr, 0, false), nullptr);
    CPaintManagerUI::SetResourceZipFile(L"", false, nullptr);
}

TEST(LoadSkinBytes, FallsBackToThePlainPath) {
    TestFiles::ScratchFolder folder;
    TestFiles::WriteFile(folder.File("plain.bin"), "plain bytes");
    const std::wstring path = folder.File("plain.bin").wstring();
    EXPECT_EQ(CPaintManagerUI::LoadSkinBytes(path.c_str()), Bytes("plain bytes"));  // folder mode
    ArchiveMode archive({{"a.txt", "x"}});
    EXPECT_EQ(CPaintManagerUI::LoadSkinBytes(path.c_str()), Bytes("plain bytes"));  // not in the archive
}

TEST(SkinImageDecoding, PremultipliesAndAppliesTheColourKey) {
    const std::vector<uint8_t> pixels = {
        0xFF, 0x00, 0x00, 0x80,  // half-transparent red
        0xFF, 0x00, 0xFF, 0xFF,  // opaque magenta, the key
        0x10, 0x20, 0x30, 0xFF,  // opaque
    };
    const std::string png = TestPng::Encode(3, 1, pixels);
    TSkinImage* keyed = CSkinRender::DecodeSkinImage(Bytes(png), 0xFFFF00FF);
    ASSERT_NE(keyed, nullptr);
    EXPECT_EQ(keyed->width, 3);
    EXPECT_EQ(keyed->height, 1);
    EXPECT_TRUE(keyed->alpha);
    EXPECT_EQ(PixelAt(keyed, 0, 0), 0x80800000u);
    EXPECT_EQ(PixelAt(keyed, 1, 0), 0x00000000u);
    EXPECT_EQ(PixelAt(keyed, 2, 0), 0xFF102030u);
    CSkinRender::FreeSkinImage(keyed);

    const std::string opaque = TestPng::Encode(1, 1, {0xFF, 0x00, 0xFF, 0xFF});
    TSkinImage* plain = CSkinRender::DecodeSkinImage(Bytes(opaque), 0);
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->alpha);
    EXPECT_EQ(PixelAt(plain, 0, 0), 0xFFFF00FFu);
    CSkinRender::FreeSkinImage(plain);
}

TEST(SkinImageDecoding, BadBytesGiveNoImage) {
    const std::string png = TestPng::Encode(4, 4, std::vector<uint8_t>(64, 0x7F));
    // A header claiming 30000 × 30000 pixels must not be decoded at all.
    std::string huge = png;
    huge[16] = 0x00, huge[17] = 0x00, huge[18] = 0x75, huge[19] = 0x30;
    huge[20] = 0x00, huge[21] = 0x00, huge[22] = 0x75, huge[23] = 0x30;
    for (const std::string& bytes : {std::string(), std::string("not an image"), png.substr(0, png.size() / 2), huge}) {
        EXPECT_EQ(CSkinRender::DecodeSkinImage(Bytes(bytes), 0), nullptr) << bytes.size();
    }
}

TEST(SkinImageTable, ResourcesNeedNumericNames) {
    CPaintManagerUI::SetModuleInstance(GetModuleHandleW(nullptr));
    CPaintManagerUI manager;
    EXPECT_EQ(manager.AddSkinImage(L"abc", L"SKINIMG", 0, false), nullptr);
    EXPECT_EQ(manager.AddSkinImage(L"", nullptr, 0, false), nullptr);
    TSkinImage* image = manager.AddSkinImage(L"108", L"SKINIMG", 0, false);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->resourceType, L"SKINIMG");
    EXPECT_EQ(PixelAt(image, 1, 1), 0xFF0000FFu);
    EXPECT_EQ(manager.AddSkinImage(L"109", L"SKINIMG", 0, false), nullptr);
    // 65644 is 108 + 65536: a number beyond 16 bits names a resource and does not wrap to 108.
    EXPECT_EQ(manager.AddSkinImage(L"65644", L"SKINIMG", 0, false), nullptr);
}

TEST(SkinImageTable, ReplacesFindsAndSharesImages) {
    ArchiveMode archive({{"a.png", TestPng::Encode(1, 1, {1, 2, 3, 255})},
                         {"b.png", TestPng::Encode(2, 1, std::vector<uint8_t>(8, 9))}});
    CPaintManagerUI first, second;
    TSkinImage* a = first.AcquireSkinImage(L"a.png", nullptr, 0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(first.AcquireSkinImage(L"a.png", nullptr, 0), a);  // decoded once
    EXPECT_EQ(second.FindSkinImage(L"a.png"), nullptr);          // per window

    TSkinImage* replaced = first.AddSkinImage(L"a.png", nullptr, 0xFF010203, false);
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(first.FindSkinImage(L"a.png"), replaced);
    EXPECT_EQ(replaced->colourKey, 0xFF010203u);
    EXPECT_EQ(PixelAt(replaced, 0, 0), 0u);

    TSkinImage* shared = first.AddSkinImage(L"b.png", nullptr, 0, true);
    EXPECT_EQ(second.FindSkinImage(L"b.png"), shared);
    second.SetUseSharedTables(true);
    TSkinImage* popup = second.AddSkinImage(L"a.png", nullptr, 0, false);
    EXPECT_EQ(CPaintManagerUI().FindSkinImage(L"a.png"), popup);
    first.ClearSkinImages(true);
    EXPECT_EQ(second.FindSkinImage(L"b.png"), nullptr);
    EXPECT_EQ(first.AcquireSkinImage(L"missing.png", nullptr, 0), nullptr);
}

LONG WeightOf(HFONT font) {
    LOGFONTW description = {};
    GetObjectW(font, sizeof description, &description);
    return description.lfWeight;
}

TEST(SkinFontTable, AddReplaceAndLookUp) {
    CPaintManagerUI manager;
    const HFONT first = manager.AddSkinFont(1, L"Tahoma", 12, false, false, false, false);
    ASSERT_NE(first, nullptr);
    const HFONT second = manager.AddSkinFont(1, L"Tahoma", 14, true, true, false, false);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetObjectType(first), 0u);  // the replaced font was deleted
    EXPECT_EQ(manager.FontHandleById(1), second);
    TSkinFont* info = manager.FontInfoById(1);
    EXPECT_EQ(info->face, L"Tahoma");
    EXPECT_EQ(info->size, 14);
    EXPECT_TRUE(info->bold);
    EXPECT_TRUE(info->underline);
    EXPECT_GT(info->metrics.tmHeight, 0);  // measured on first use
    EXPECT_EQ(manager.FindFontHandle(L"Tahoma", 14, true, true, false), second);
    EXPECT_EQ(manager.FindFontHandle(L"Tahoma", 14, true, false, false), nullptr);
    EXPECT_EQ(manager.FontInfoByHandle(second), info);
}

TEST(SkinFontTable, UnknownIdsAndForeignHandlesGiveTheDefaultFont) {
    CPaintManagerUI manager;
    manager.AddSkinFont(0, L"Tahoma", 12, false, false, false, false);
    const HFONT defaultHandle = manager.DefaultFontInfo()->handle;
    ASSERT_NE(defaultHandle, nullptr);
    EXPECT_EQ(manager.FontHandleById(-1), defaultHandle);
    EXPECT_EQ(manager.FontHandleById(42), defaultHandle);
    const ScopedGdiObject<HFONT> foreign(
        CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    EXPECT_EQ(manager.FontInfoByHandle(foreign.get()), manager.DefaultFontInfo());
    EXPECT_EQ(manager.FontInfoById(7), manager.DefaultFontInfo());
}

TEST(SkinFontTable, ABoldDefaultFontIsHeavierThanABoldAddedFont) {
    CPaintManagerUI manager;
    const HFONT added = manager.AddSkinFont(3, L"Tahoma", 12, true, false, false, false);
    manager.SetDefaultSkinFont(L"Tahoma", 12, true, false, false, false);
    TSkinFont* defaults = manager.DefaultFontInfo();
    EXPECT_EQ(defaults->face, L"Tahoma");
    EXPECT_TRUE(defaults->bold);
    EXPECT_GT(WeightOf(defaults->handle), WeightOf(added));
    EXPECT_EQ(WeightOf(added), 700);
}

TEST(SkinFontTable, SharedFontsServeEveryWindow) {
    CPaintManagerUI first, second;
    const HFONT shared = first.AddSkinFont(5, L"Tahoma", 11, false, false, true, true);
    EXPECT_EQ(second.FontHandleById(5), shared);
    EXPECT_TRUE(second.FontInfoById(5)->italic);
    first.ClearSkinFonts(true);
    EXPECT_EQ(second.FontHandleById(5), second.DefaultFontInfo()->handle);
}

TEST(SkinFontTable, PrivateFontFilesAreRegistered) {
    CPaintManagerUI manager;
    manager.LoadPrivateFontFile(L"C:\\windows\\Fonts\\tahoma.ttf");
    EXPECT_EQ(manager.GetPrivateFontCount(), 1);
    manager.LoadPrivateFontFile(L"C:\\no\\such\\font.ttf");
    EXPECT_EQ(manager.GetPrivateFontCount(), 1);
}

TEST(SkinAttributeTables, DefaultsKeepTheLastAndStylesTheFirst) {
    CPaintManagerUI manager, other;
    manager.AddDefaultAttributes(L"Button", L"textcolor=\"#FF000000\"", false);
    manager.AddDefaultAttributes(L"Button", L"textcolor=\"#FFFFFFFF\"", false);
    EXPECT_STREQ(manager.DefaultAttributesFor(L"Button"), L"textcolor=\"#FFFFFFFF\"");
    EXPECT_EQ(manager.DefaultAttributesFor(L"Label"), nullptr);
    manager.AddStyleDefinition(L"title", L"font=\"1\"", false);
    manager.AddStyleDefinition(L"title", L"font=\"2\"", false);
    EXPECT_STREQ(manager.StyleDefinition(L"title"), L"font=\"1\"");

    manager.AddDefaultAttributes(L"Label", L"shared", true);
    manager.AddStyleDefinition(L"body", L"shared style", true);
    EXPECT_STREQ(other.DefaultAttributesFor(L"Label"), L"shared");
    EXPECT_STREQ(other.StyleDefinition(L"body"), L"shared style");
    EXPECT_EQ(other.DefaultAttributesFor(L"Button"), nullptr);
    manager.ClearStyles(false);
    EXPECT_EQ(manager.StyleDefinition(L"title"), nullptr);
    EXPECT_STREQ(manager.StyleDefinition(L"body"), L"shared style");
}

TEST(DrawInfoTable, ParsesEachStringOnceAndEmptyKeysGiveNothing) {
    CPaintManagerUI manager;
    TSkinDrawInfo* info = manager.GetDrawInfo(L"file='a.png' fade='128'", nullptr);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->name, L"a.png");
    EXPECT_EQ(info->fade, 128);
    EXPECT_EQ(manager.GetDrawInfo(L"file='a.png' fade='128'", nullptr), info);
    TSkinDrawInfo* modified = manager.GetDrawInfo(L"file='a.png' fade='128'", L"fade='64'");
    ASSERT_NE(modified, info);
    EXPECT_EQ(modified->fade, 64);
    EXPECT_EQ(manager.GetDrawInfo(L"", L""), nullptr);
    EXPECT_EQ(manager.GetDrawInfo(nullptr, nullptr), nullptr);
    manager.ClearDrawInfos();
    EXPECT_EQ(manager.GetDrawInfo(L"file='a.png' fade='128'", nullptr)->fade, 128);
}

class CannedText : public IQueryControlText {
public:
    const wchar_t* QueryControlText(const wchar_t* id, const wchar_t*) override {
        ++calls;
        return std::wstring(id) == L"known" ? L"answer" : nullptr;
    }
    int calls = 0;
};

TEST(ResourceCatalog, TranslationsReturnTheirInputUnlessFilled) {
    CResourceCatalogUI catalog;
    EXPECT_EQ(catalog.TranslateText(L"id1", nullptr), L"id1");
    EXPECT_TRUE(catalog.TranslateText(nullptr, nullptr).IsEmpty());
    EXPECT_EQ(catalog.TranslateImageName(L"bg.png"), nullptr);
    catalog.AddText(L"id1", L"text one");
    EXPECT_EQ(catalog.TranslateText(L"id1", nullptr), L"text one");
    CannedText query;
    catalog.SetTextQuery(&query);
    EXPECT_EQ(catalog.TranslateText(L"known", L"Label"), L"answer");
    EXPECT_EQ(catalog.TranslateText(L"known", L"Label"), L"answer");
    EXPECT_EQ(query.calls, 1);  // remembered
    EXPECT_EQ(catalog.TranslateText(L"other", L"Label"), L"other");
    catalog.AddImageName(L"bg.png", L"skin/bg@2x.png");
    EXPECT_STREQ(catalog.TranslateImageName(L"bg.png"), L"skin/bg@2x.png");
}

// ---- Markup files ----

TEST(ParseSkinFile, FolderModeLimitsAndMessages) {
    TestFiles::ScratchFolder folder;
    const std::string valid = "<Window size=\"1,2\"/>";
    TestFiles::WriteFile(folder.File("empty.xml"), "");
    TestFiles::WriteFile(folder.File("exact.xml"), valid + std::string((4u << 20) - valid.size(), ' '));
    TestFiles::WriteFile(folder.File("large.xml"), valid + std::string((4u << 20) + 1 - valid.size(), ' '));
    struct Case {
        const char* file;
        const wchar_t* message;  // null: parses
    };
    const Case cases[] = {{"empty.xml", L"File is empty"},
                          {"large.xml", L"File too large"},
                          {"missing.xml", L"Error opening file"},
                          {"exact.xml", nullptr}};
    for (const Case& c : cases) {
        CSkinMarkup markup;
        const bool parsed = markup.ParseSkinFile(folder.File(c.file).wstring().c_str(), Utf8);
        EXPECT_EQ(parsed, c.message == nullptr) << c.file;
        if (c.message != nullptr) {
            EXPECT_STREQ(markup.ErrorMessage(), c.message);
        }
        EXPECT_STREQ(markup.ErrorContext(), L"");
    }
}

TEST(ParseSkinFile, ZipModeFindsEntriesIgnoringCase) {
    const std::string big((4u << 20) + 1, ' ');
    ArchiveMode archive(
        {{"FrameworkUI/Main.xml", "<Window caption=\"0,0,0,30\"/>"}, {"empty.xml", ""}, {"big.xml", big}});
    CSkinMarkup markup;
    ASSERT_TRUE(markup.ParseSkinFile(L"frameworkui\\main.xml", Utf8)) << markup.ErrorMessage();
    EXPECT_STREQ(markup.RootNode().TagName(), L"Window");
    struct Case {
        const wchar_t* name;
        const wchar_t* message;
    };
    const Case cases[] = {{L"missing.xml", L"Could not find ziped file"},
                          {L"empty.xml", L"File is empty"},
                          {L"big.xml", L"File too large"}};
    for (const Case& c : cases) {
        EXPECT_FALSE(markup.ParseSkinFile(c.name, Utf8));
        EXPECT_STREQ(markup.ErrorMessage(), c.message);
        EXPECT_FALSE(markup.RootNode().IsValid());
    }
}

// An entry that is present but damaged cannot be unzipped; it is not missing.
TEST(ParseSkinFile, ADamagedEntryCannotBeUnzipped) {
    struct Case {
        const char* what;
        void (*damage)(TestZip::Archive& archive);
    };
    const Case cases[] = {
        {"local method differs",
         [](TestZip::Archive& a) {
             TestZip::Put16(a.bytes, a.localHeaders[0] + TestZip::Local::kMethod, TestZip::kDeflated);
         }},
        {"local name length differs",
         [](TestZip::Archive& a) { TestZip::Put16(a.bytes, a.localHeaders[0] + TestZip::Local::kNameLength, 3); }},
        {"stored size claim larger than the data",
         [](TestZip::Archive& a) {
             TestZip::Put32(a.bytes, a.localHeaders[0] + TestZip::Local::kUncompressedSize, 9999);
             TestZip::Put32(a.bytes, a.directoryRecords[0] + TestZip::Directory::kUncompressedSize, 9999);
         }},
    };
    for (const Case& c : cases) {
        TestZip::Archive archive = TestZip::Build({{"main.xml", "<Window/>", TestZip::kStored}});
        c.damage(archive);
        CPaintManagerUI::SetResourceZipFromMemory(archive.bytes.data(), static_cast<uint32_t>(archive.bytes.size()),
                                                  nullptr);
        CSkinMarkup markup;
        EXPECT_FALSE(markup.ParseSkinFile(L"main.xml", Utf8)) << c.what;
        EXPECT_STREQ(markup.ErrorMessage(), L"Could not unzip file") << c.what;
        CPaintManagerUI::SetResourceZipFile(L"", false, nullptr);
    }
}

TEST(ParseSkinFile, AMissingArchiveFileFails) {
    CPaintManagerUI::SetResourceZipFile(L"no-such-skin.zip", false, nullptr);
    CSkinMarkup markup;
    EXPECT_FALSE(markup.ParseSkinFile(L"main.xml", Utf8));
    EXPECT_STREQ(markup.ErrorMessage(), L"Error opening zip file");
    CPaintManagerUI::SetResourceZipFile(L"", false, nullptr);
}

}  // namespace
