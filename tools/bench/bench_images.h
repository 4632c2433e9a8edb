// Pictures for the Windows benchmarks: smooth gradients encoded as JPEG (opaque) or PNG
// (translucent), so decoding and drawing cost what real skin images cost.
#pragma once

#include <string>

namespace BenchImages {

std::string Picture(int width, int height, bool jpeg);

// Serves "bg.jpg" (the given size) and a 100 × 120 translucent "btn.png" as the skin archive;
// the returned archive bytes must outlive their use.
std::string ServeSkinImages(int backgroundWidth, int backgroundHeight);

}  // namespace BenchImages
