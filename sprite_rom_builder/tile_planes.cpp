#include "tile_planes.hpp"

#include <array>
#include <cstring>

namespace neo::sprites {
namespace {

// Within a half, the four bytes of a row hold pixel bits 0, 2, 1, 3.
constexpr int kBitOfLane[4] = {0, 2, 1, 3};

// For one packed byte (two pixels) at row byte 0: its bits spread into the
// four plane bytes, the low pixel at bit 0 and the high pixel at bit 1 of
// each. Row byte k is the same pattern shifted left by 2k.
constexpr std::array<std::uint32_t, 256> make_spread_table() {
  std::array<std::uint32_t, 256> table{};
  for (unsigned v = 0; v < 256; ++v) {
    std::uint32_t word = 0;
    for (unsigned lane = 0; lane < 4; ++lane) {
      const int bit = kBitOfLane[lane];
      word |= ((v >> bit) & 1u) << (8 * lane);
      word |= ((v >> (4 + bit)) & 1u) << (8 * lane + 1);
    }
    table[v] = word;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kSpread = make_spread_table();

inline void planar_row(const std::uint8_t* in4, std::uint8_t* out4) {
  const std::uint32_t w = kSpread[in4[0]] | kSpread[in4[1]] << 2 | kSpread[in4[2]] << 4 |
                          kSpread[in4[3]] << 6;
  out4[0] = static_cast<std::uint8_t>(w);
  out4[1] = static_cast<std::uint8_t>(w >> 8);
  out4[2] = static_cast<std::uint8_t>(w >> 16);
  out4[3] = static_cast<std::uint8_t>(w >> 24);
}

// Pixels 0-7 of each row go to the second half, pixels 8-15 to the first.
inline void planar_tile(const std::uint8_t* in, std::uint8_t* out) {
  for (std::size_t r = 0; r < 16; ++r) {
    planar_row(in + 8 * r, out + 64 + 4 * r);
    planar_row(in + 8 * r + 4, out + 4 * r);
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
