#include "tile_planes.hpp"

#include <cstring>

#include "le_bytes.hpp"

namespace neo::sprites {
namespace {

// A row is one 64-bit little-endian word of 16 nibbles: pixels 0-7 in the low
// half, 8-15 in the high half. Bits at a stride of 4 in each half are packed
// into that half's low byte in three steps, so one pass gives a bit plane of
// both halves at once.
inline std::uint64_t plane_of(std::uint64_t row, int bit) {
  std::uint64_t x = (row >> bit) & 0x1111111111111111ull;
  x = (x | x >> 3) & 0x0303030303030303ull;
  x = (x | x >> 6) & 0x000F000F000F000Full;
  return (x | x >> 12) & 0x000000FF000000FFull;
}

// Within a half the four bytes of a row hold pixel bits 0, 2, 1, 3; pixels
// 0-7 go to the second half, pixels 8-15 to the first.
inline void planar_tile(const std::uint8_t* in, std::uint8_t* out) {
  for (std::size_t r = 0; r < 16; ++r) {
    const std::uint64_t row = load_le64(in + 8 * r);
    const std::uint64_t bytes = plane_of(row, 0) | plane_of(row, 2) << 8 |
                                plane_of(row, 1) << 16 | plane_of(row, 3) << 24;
    store_le32(out + 64 + 4 * r, static_cast<std::uint32_t>(bytes));
    store_le32(out + 4 * r, static_cast<std::uint32_t>(bytes >> 32));
  }
}

void partial_tile(const std::uint8_t* in, std::uint8_t* out, std::size_t rest) {
  std::uint8_t padded[kTileBytes] = {};
  std::uint8_t converted[kTileBytes];
  std::memcpy(padded, in, rest);
  planar_tile(padded, converted);
  std::memcpy(out, converted, rest);
}

}  // namespace

void to_planar(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
  const std::size_t whole = length - length % kTileBytes;
  for (std::size_t t = 0; t < whole; t += kTileBytes) planar_tile(in + t, out + t);
  if (whole < length) partial_tile(in + whole, out + whole, length - whole);
}

void to_planar_in_place(std::uint8_t* data, std::size_t length) {
  const std::size_t whole = length - length % kTileBytes;
  std::uint8_t tile[kTileBytes];
  for (std::size_t t = 0; t < whole; t += kTileBytes) {
    std::memcpy(tile, data + t, kTileBytes);
    planar_tile(tile, data + t);
  }
  if (whole < length) {
    const std::size_t rest = length - whole;
    std::memcpy(tile, data + whole, rest);
    partial_tile(tile, data + whole, rest);
  }
}

}  // namespace neo::sprites
