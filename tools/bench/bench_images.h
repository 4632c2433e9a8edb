// Pictures for the Windows benchmarks: smooth gradients encoded as JPEG (opaque) or PNG
// (translucent), so decoding and drawing cost what real skin images cost.
#pragma once

#include <string>

namespace BenchImages {

std::string Picture(int width, int height, bool jpeg);

}  // namespace BenchImages
