// PNG encoding for tests through stb_image_write.
#include "tests/windows/test_png.h"

#include <cstdlib>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace TestPng {

std::string Encode(int width, int height, const std::vector<uint8_t>& rgba) {
    int length = 0;
    unsigned char* png = stbi_write_png_to_mem(rgba.data(), width * 4, width, height, 4, &length);
    std::string bytes(reinterpret_cast<const char*>(png), static_cast<size_t>(length));
    STBIW_FREE(png);
    return bytes;
}

}  // namespace TestPng
