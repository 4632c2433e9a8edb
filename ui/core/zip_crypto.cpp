// Traditional ZIP decryption.
#include "ui/core/zip_crypto.h"

#include <zlib.h>

namespace Tovik {
namespace {

uint32_t Crc32Step(uint32_t crc, unsigned char byte) {
    static const auto* table = get_crc_table();
    return static_cast<uint32_t>(table[(crc ^ byte) & 0xFF]) ^ (crc >> 8);
}

}  // namespace

ZipDecryptor::ZipDecryptor(const char* password) {
    if (password == nullptr) return;
    for (const char* p = password; *p != 0; ++p) Update(static_cast<unsigned char>(*p));
}

void ZipDecryptor::Update(unsigned char plain) {
    keys_[0] = Crc32Step(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
    keys_[2] = Crc32Step(keys_[2], static_cast<unsigned char>(keys_[1] >> 24));
}

void ZipDecryptor::Decrypt(unsigned char* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const uint32_t temp = (keys_[2] & 0xFFFF) | 2;
        bytes[i] ^= static_cast<unsigned char>((temp * (temp ^ 1)) >> 8);
        Update(bytes[i]);
    }
}

}  // namespace Tovik
