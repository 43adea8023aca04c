// Minimal PNG writer for test artefacts: 24-bit RGB, stored (uncompressed)
// deflate blocks, so it needs no compression library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hoshikura {
namespace test {

// rgb holds width × height pixels, three bytes each, rows top to bottom.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace test
}  // namespace hoshikura
