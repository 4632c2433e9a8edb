// Parses a generated skin of about 4 MiB of UTF-8 markup with CSkinMarkup and with pugixml
// (default options), alternating, and prints both throughputs and the ratio.
//
//   markup_parse [ROUNDS]
#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/core/skin_markup.h"

namespace {

using Clock = std::chrono::steady_clock;

// Nested layouts with controls that carry many attributes, entities and Chinese text.
std::string GenerateSkin(size_t targetBytes) {
    std::string skin = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"560,400\" caption=\"0,0,0,30\">\n";
    for (int page = 0; skin.size() < targetBytes; ++page) {
        skin +=
            "  <VerticalLayout name=\"page" + std::to_string(page) + "\" inset=\"10,10,10,10\" childpadding=\"4\">\n";
        for (int i = 0; i < 20; ++i) {
            const std::string n = std::to_string(page * 20 + i);
            skin += "    <HorizontalLayout height=\"30\"><Button name=\"btn" + n +
                    "\" text=\"\xE7\xAB\x8B\xE5\x8D\xB3\xE4\xB8\x8B\xE8\xBD\xBD &amp; go\" pos=\"0,0,100,30\" "
                    "normalimage=\"file='btn.png' source='0,0,100,30' corner='2,2,2,2'\" "
                    "hotimage=\"file='btn.png' source='0,30,100,60'\" textcolor=\"#FF333333\" "
                    "font=\"1\" tooltip=\"&lt;" +
                    n + "&gt;\"/><Label text=\"" + n + "\" width=\"40\"/></HorizontalLayout>\n";
        }
        skin += "  </VerticalLayout>\n";
    }
    return skin + "</Window>\n";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    const std::string skin = GenerateSkin(4u << 20);
    std::vector<double> ours, pugi;
    for (int round = 0; round < rounds; ++round) {
        std::vector<unsigned char> copy(skin.begin(), skin.end());  // the parser works in place
        auto start = Clock::now();
        Tovik::CSkinMarkup markup;
        if (!markup.ParseBuffer(copy.data(), static_cast<uint32_t>(copy.size()), Tovik::Utf8)) {
            std::fprintf(stderr, "CSkinMarkup failed: %ls\n", markup.ErrorMessage());
            return 1;
        }
        ours.push_back(std::chrono::duration<double>(Clock::now() - start).count());

        start = Clock::now();
        pugi::xml_document document;
        if (!document.load_buffer(skin.data(), skin.size())) {
            std::fprintf(stderr, "pugixml failed\n");
            return 1;
        }
        pugi.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    const double megabytes = skin.size() / 1e6;
    std::printf("%.2f MB of UTF-8 markup, %d rounds, median:\n", megabytes, rounds);
    std::printf("  CSkinMarkup  %8.1f MB/s\n", megabytes / Median(ours));
    std::printf("  pugixml      %8.1f MB/s\n", megabytes / Median(pugi));
    std::printf("  ratio ours / pugixml  %.3f\n", Median(pugi) / Median(ours));
    return 0;
}
