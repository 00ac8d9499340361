// Both plane conversions against the bit-by-bit reading of the layout, for
// any length, partial final tiles included.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "tile_planes.hpp"

namespace {

using neo::sprites::kTileBytes;

// Bit b of pixel p in row r lands in byte 64h + 4r + q of its tile as bit
// p % 8, h = 1 for pixels 0-7, q = 0, 2, 1, 3 for b = 0..3; missing bytes of
// a partial tile read as zero.
void reference(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
  static const int lane[4] = {0, 2, 1, 3};
  std::memset(out, 0, length);
  for (std::size_t t = 0; t < length; t += kTileBytes)
    for (std::size_t r = 0; r < 16; ++r)
      for (std::size_t p = 0; p < 16; ++p) {
        const std::size_t at = t + 8 * r + p / 2;
        const int byte = at < length ? in[at] : 0;
        const int pixel = p % 2 == 0 ? byte & 15 : byte >> 4;
        for (int b = 0; b < 4; ++b) {
          const std::size_t to = t + 64 * (p < 8 ? 1 : 0) + 4 * r + static_cast<std::size_t>(lane[b]);
          if ((pixel >> b & 1) && to < length) out[to] = static_cast<std::uint8_t>(out[to] | 1 << (p % 8));
        }
      }
}

void check(const char* what, const std::uint8_t* got, const std::uint8_t* want, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (got[i] != want[i]) {
      std::fprintf(stderr, "%s: byte %zu of %zu is %02X, the reference %02X\n", what, i, length, got[i], want[i]);
      std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exact-size heap blocks, so AddressSanitizer sees any byte touched past the end.
  const auto want = std::make_unique<std::uint8_t[]>(size);
  reference(data, want.get(), size);
  const auto out = std::make_unique<std::uint8_t[]>(size);
  neo::sprites::to_planar(data, out.get(), size);
  check("to_planar", out.get(), want.get(), size);
  const auto in_place = std::make_unique<std::uint8_t[]>(size);
  if (size != 0) std::memcpy(in_place.get(), data, size);
  neo::sprites::to_planar_in_place(in_place.get(), size);
  check("to_planar_in_place", in_place.get(), want.get(), size);
  return 0;
}
