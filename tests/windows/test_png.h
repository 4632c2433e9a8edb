// PNG bytes with exactly the pixels a test asks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace TestPng {

// `rgba` holds width × height pixels, 4 bytes each, rows top to bottom.
std::string Encode(int width, int height, const std::vector<uint8_t>& rgba);

}  // namespace TestPng
