// The ZIP format's traditional (PKWARE) encryption: three keys stirred by the password and by
// every decrypted byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Tovik {

class ZipDecryptor {
public:
    explicit ZipDecryptor(const char* password);

    void Decrypt(unsigned char* bytes, size_t length);

private:
    void Update(unsigned char plain);

    uint32_t keys_[3] = {0x12345678, 0x23456789, 0x34567890};
};

}  // namespace Tovik
