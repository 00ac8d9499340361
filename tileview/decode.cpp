#include "decode.hpp"

namespace neo::tileview {
namespace {

inline std::uint8_t nibble(std::uint8_t byte, int x) {
  return static_cast<std::uint8_t>(x % 2 == 0 ? byte & 0x0F : byte >> 4);
}

}  // namespace

int tile_side(Kind kind) { return kind == Kind::sprites || kind == Kind::packed ? 16 : 8; }

std::size_t tile_bytes(Kind kind) {
  return kind == Kind::sprites || kind == Kind::packed ? kSpriteBytes : kFixBytes;
}

void decode_packed(const std::uint8_t* tile, std::uint8_t* pixels) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) pixels[16 * y + x] = nibble(tile[8 * y + x / 2], x);
}

void decode_planar(const std::uint8_t* tile, std::uint8_t* pixels) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const std::uint8_t* row = tile + (x < 8 ? 64 : 0) + 4 * y;
      const int n = x % 8;
      pixels[16 * y + x] = static_cast<std::uint8_t>((row[0] >> n & 1) | (row[2] >> n & 1) << 1 |
                                                     (row[1] >> n & 1) << 2 | (row[3] >> n & 1) << 3);
    }
}

void decode_fix_rows(const std::uint8_t* tile, std::uint8_t* pixels) {
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pixels[8 * y + x] = nibble(tile[4 * y + x / 2], x);
}

void decode_fix(const std::uint8_t* tile, std::uint8_t* pixels) {
  // Row byte b of row y sits in group k = (b + 2) % 4.
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pixels[8 * y + x] = nibble(tile[8 * ((x / 2 + 2) % 4) + y], x);
}

void decode_tile(Kind kind, const std::uint8_t* tile, std::uint8_t* pixels) {
  switch (kind) {
    case Kind::sprites: return decode_planar(tile, pixels);
    case Kind::packed: return decode_packed(tile, pixels);
    case Kind::fix: return decode_fix(tile, pixels);
    case Kind::fix_rows: return decode_fix_rows(tile, pixels);
  }
}

void interleave_pair(const std::uint8_t* c1, const std::uint8_t* c2, std::size_t n,
                     std::uint8_t* out) {
  for (std::size_t i = 0; i < n; ++i) {
    out[2 * i] = c1[i];
    out[2 * i + 1] = c2[i];
  }
}

}  // namespace neo::tileview
