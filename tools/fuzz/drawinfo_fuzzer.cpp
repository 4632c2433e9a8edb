// libFuzzer target for the image attribute string parser: the first byte picks no scaler, 100 %,
// 150 % or 200 %; the rest, as UTF-8, is split at the first NUL into the image string and its
// modifier. Every field of the record is read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/platform.h"
#include "ui/core/skin_draw_info.h"

using Tovik::CDpiScaler;
using Tovik::TSkinDrawInfo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const int kDpis[] = {0, 96, 144, 192};
    const int dpi = kDpis[data[0] % 4];
    CDpiScaler scaler;
    if (dpi != 0) scaler.SetDpi(dpi);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = text.find('\0');
    const std::wstring image = Platform::ToWideString(Platform::CodePage::Utf8, text.substr(0, split));
    const std::wstring modifier = split == std::string::npos
                                      ? std::wstring()
                                      : Platform::ToWideString(Platform::CodePage::Utf8, text.substr(split + 1));
    TSkinDrawInfo info;
    Tovik::ParseDrawInfo(info, image.c_str(), modifier.c_str(), dpi != 0 ? &scaler : nullptr);
    volatile int64_t sum = int64_t{info.dest.left} + info.dest.right + info.source.top + info.corner.bottom +
                           info.padding.left + info.size.cx + info.fade + info.colourKey + info.hole + info.xTiled +
                           info.yTiled + info.hsl + info.name.GetLength() + info.align.GetLength() +
                           info.resourceType.GetLength();
    (void)sum;
    return 0;
}
