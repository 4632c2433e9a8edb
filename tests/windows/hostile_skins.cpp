// Hostile skins through the skin builder (a Windows program, run under Wine): mutations of an
// installer-like skin that includes itself and a second document, and optionally the files of a
// corpus folder (markup fuzzer seeds: the first byte picks the encoding and is dropped), each
// built into a window's paint manager, laid out and painted. Prints how many inputs ran and the
// slowest one; a crash or a hang (the caller's time limit) is the failure.
//
//   hostile_skins.exe INPUTS SEED [CORPUS_FOLDER]
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/portable/zip_builder.h"
#include "tests/windows/test_png.h"
#include "ui/controls/control_ui.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/paint_surface.h"
#include "ui/core/skin_builder.h"

namespace {

constexpr char kSkin[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="600,370" caption="0,0,0,37" mininfo="600,370" maxinfo="600,425" roundcorner="4,4">
  <Font id="0" name="Microsoft YaHei" size="12" default="true"/>
  <Font id="1" name="SimSun" size="14" bold="true"/>
  <Image name="bg.png" mask="#FFFF00FF"/>
  <Default name="Control" value="bkcolor=&quot;#FF102030&quot;"/>
  <Style name="row" value="height=&quot;20&quot; padding=&quot;1,2,3,4&quot;"/>
  <VerticalLayout name="verticalMain" bkcolor="#FFFFFFFF" bkimage="file='bg.png' source='0,0,600,380' ">
    <HorizontalLayout height="37"><Control/><Control name="btn_cls" width="20" bkimage="file='bg.png' source='0,0,27,27'"/></HorizontalLayout>
    <TabLayout name="tabPage" selectedid="0">
      <VerticalLayout height="342" width="600" bkimage="file='bg.png' corner='2,2,2,2' xtiled='true'">
        <HorizontalLayout style="row"><Control float="true" pos="10,10,50,30"/></HorizontalLayout>
        <Include source="part.xml" count="2"/>
        <Container vscrollbar="true" inset="2,2,2,2"><Control height="900"/></Container>
      </VerticalLayout>
      <VerticalLayout>
        <Slider name="sld_percent" height="9" value="37" mouse="false" bkimage="file='bg.png'" foreimage="file='bg.png' "/>
        <Label name="lbSchedule" text="0.00%" showhtml="true" autocalcwidth="true"/>
        <Text text="see <a x>the <b>licence</b></a> {c #FF00FF00}now{/c}" showhtml="true"/>
        <Button name="BtnDown" stateimage="bg.png" statecount="4" bindtablayoutname="tabPage" bindtabindex="1" text="立即下载"/>
        <Option name="BtnConsent" selected="true" group="g" selectedstateimage="bg.png" selectedstatecount="2"/>
        <CheckBox EnableAutoCheck="true" selected="true"/>
        <Progress hor="false" min="10" max="5" value="7" forecolor="#FF00FF00"/>
        <Combo name="comboDisk" dropboxsize="0,-5" itemalign="center"><ListLabelElement text="C 盘" selected="true"/><ListLabelElement text="D"/></Combo>
        <Edit name="edt_dir" text="C:\Corvana" password="true" tipvalue="tip" maxchar="-1"/>
        <ScrollBar hor="true" range="-5" value="99" showbutton1="false"/>
      </VerticalLayout>
    </TabLayout>
  </VerticalLayout>
</Window>)";

constexpr char kPart[] = R"(<Window><HorizontalLayout sepwidth="4" childpadding="3">
  <Control width="40" bordersize="1" bordercolor="#FF000000" bordersize="2,2,2,2"/>
  <Include source="main.xml"/>
</HorizontalLayout></Window>)";

const char* const kTokens[] = {
    "<Include source=\"main.xml\" count=\"50\"/>",
    "<Include source=\"part.xml\" count=\"1000000\"/>",
    "<VerticalLayout>",
    "</VerticalLayout>",
    "<HorizontalLayout sepwidth=\"-5\">",
    "<Control/>",
    "<Button text=\"<b><i>x\" showhtml=\"true\"/>",
    "<Combo><ListLabelElement/></Combo>",
    "<Slider thumbsize=\"-5,99999\" step=\"-3\"/>",
    " stateimage=\"bg.png\" statecount=\"99999\"",
    " showhtml=\"true\" text=\"<p 99999><x -99999><i bg.png 0 -1><f 1 99999 bold>\"",
    "<TabLayout selectedid=\"99\">",
    "<Font id=\"2\" name=\"\" size=\"-500\" default=\"true\"/>",
    "<Image name=\"missing.png\" restype=\"7\"/>",
    "<Default name=\"Control\" value=\"height=&quot;-9999999&quot; style=&quot;row&quot;\"/>",
    "<Style name=\"row\" value=\"style=&quot;row&quot;\"/>",
    " size=\"99999,-99999\"",
    " roundcorner=\"-5,-5\"",
    " layered=\"true\"",
    " layeredimage=\"file='bg.png' fade='7'\"",
    " opacity=\"-1\"",
    " bkimage=\"file='bg.png' corner='-1,-1,9999,9999' source='-5,-5,99999,99999'\"",
    " float=\"true\" pos=\"-100,-100,100000,100000\"",
    " width=\"2147483647\" height=\"-2147483648\"",
    " padding=\"99999,99999,99999,99999\"",
    "&#0;",
    "&#xFFFF;",
    "<![CDATA[",
    "<!--",
    "\"",
    "'",
    "=",
    ">",
    "/>",
};

class Random {
public:
    explicit Random(uint32_t seed) : state_(seed != 0 ? seed : 1) {}
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    size_t Below(size_t bound) { return bound == 0 ? 0 : Next() % bound; }

private:
    uint32_t state_;
};

std::string Mutate(std::string text, Random& random) {
    for (int steps = 1 + static_cast<int>(random.Below(4)); steps > 0; --steps) {
        const size_t at = random.Below(text.size() + 1);
        switch (random.Below(6)) {
        case 0:
            if (!text.empty()) text[random.Below(text.size())] = static_cast<char>(random.Next());
            break;
        case 1: text.erase(at, random.Below(64)); break;
        case 2: text.insert(at, text.substr(at, random.Below(400))); break;
        case 3: text.insert(at, kTokens[random.Below(std::size(kTokens))]); break;
        case 4: text.resize(at); break;
        default: text.insert(at, std::string(1 + random.Below(40), "<>\"'&/="[random.Below(7)])); break;
        }
    }
    return text;
}

std::vector<std::string> CorpusFiles(const char* folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const std::string pattern = std::string(folder) + "\\*";
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        std::ifstream in(std::string(folder) + "\\" + found.cFileName, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!bytes.empty()) files.push_back(bytes.substr(1));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

// One input: its own window and manager, so nothing carries over to the next.
void BuildOne(const std::string& main, const std::string& part) {
    const std::string archive =
        TestZip::Build({{"main.xml", main},
                        {"part.xml", part},
                        {"bg.png", TestPng::Encode(1, 1, {255, 0, 255, 128}), TestZip::kStored}})
            .bytes;
    Tovik::CPaintManagerUI::SetResourceZipFromMemory(archive.data(), static_cast<uint32_t>(archive.size()), nullptr);
    HWND window = CreateWindowExW(0, L"STATIC", L"hostile skin", WS_POPUP, 900, 700, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    {
        Tovik::CPaintManagerUI manager;
        manager.AttachWindow(window, L"hostile");
        Tovik::CSkinBuilder builder;
        if (Tovik::CControlUI* root = builder.BuildFromSource(L"main.xml", nullptr, nullptr, &manager)) {
            manager.AttachRoot(root);
            Tovik::CPaintSurface surface(manager.GetPaintDC(), 600, 370);
            const RECT area = {0, 0, 600, 370};
            root->SetPosition(area, false);
            root->Paint(surface.dc(), area, nullptr);
        }
    }
    DestroyWindow(window);
    Tovik::CPaintManagerUI::SetResourceZipFile(L"", false, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: hostile_skins INPUTS SEED [CORPUS_FOLDER]\n");
        return 2;
    }
    const long inputs = std::strtol(argv[1], nullptr, 10);
    Random random(static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    std::vector<std::string> corpus = argc > 3 ? CorpusFiles(argv[3]) : std::vector<std::string>();
    double slowest = 0;
    long ran = 0;
    const auto timed = [&](const std::string& main, const std::string& part) {
        const auto start = std::chrono::steady_clock::now();
        BuildOne(main, part);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > slowest) slowest = seconds;
        ++ran;
    };
    for (const std::string& file : corpus) timed(file, kPart);
    for (long i = 0; i < inputs; ++i) timed(Mutate(kSkin, random), Mutate(kPart, random));
    std::printf("%ld hostile skins built (%zu from the corpus); the slowest took %.3f s\n", ran, corpus.size(),
                slowest);
    return 0;
}
