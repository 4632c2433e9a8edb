// Windows test helpers.
#include "tests/windows/test_support.h"

#include <cstdlib>

#include "ui/core/paint_manager_ui.h"

namespace TestSupport {

Canvas::Canvas(int width, int height, uint32_t fill)
    : width_(width),
      height_(height),
      bitmap_(Tovik::CreateTopDownDib(width, height, reinterpret_cast<void**>(&bits_))),
      selected_(dc_.get(), bitmap_.get()) {
    for (int i = 0; i < width * height; ++i) bits_[i] = fill;
}

uint32_t Canvas::Pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] | 0xFF000000;
}

int Canvas::CountOtherThan(uint32_t colour, const RECT& area) const {
    GdiFlush();
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += (bits_[y * width_ + x] & 0xFFFFFF) != (colour & 0xFFFFFF);
    }
    return count;
}

ArchiveMode::ArchiveMode(std::initializer_list<TestZip::Entry> entries) : bytes_(TestZip::Build(entries).bytes) {
    Tovik::CPaintManagerUI::SetResourceZipFromMemory(bytes_.data(), static_cast<uint32_t>(bytes_.size()), nullptr);
}

ArchiveMode::~ArchiveMode() { Tovik::CPaintManagerUI::SetResourceZipFile(L"", false, nullptr); }

bool Near(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>(actual >> shift & 0xFF), e = static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

}  // namespace TestSupport
