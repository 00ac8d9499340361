// Tiles of the four inputs back to their pixels: one 4-bit colour index a
// byte, row by row from the top left. Pure functions over bytes, so each
// layout can be checked against the transform that makes it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace neo::tileview {

enum class Kind {
  sprites,   // a C ROM pair, the planar layout that pellimar writes
  packed,    // packed-pixel sprite tiles, as pellimar reads them
  fix,       // an S ROM, the column-pair order that ostrim writes
  fix_rows,  // fix tiles in row order, as ostrim reads them
};

inline constexpr std::size_t kSpriteBytes = 128;
inline constexpr std::size_t kFixBytes = 32;

// Pixels along a tile's side: 16 for sprites, 8 for fix tiles.
int tile_side(Kind kind);
// Bytes of one tile in the (interleaved) image.
std::size_t tile_bytes(Kind kind);

// Byte 8y + x/2 holds pixel x of row y, even x in the low nibble.
void decode_packed(const std::uint8_t* tile, std::uint8_t* pixels);

// The planar image: pixels 8-15 in bytes 0-63, pixels 0-7 in 64-127; row y
// of a half at 4y holds bits 0, 2, 1, 3, bit n of each byte for the half's
// pixel n.
void decode_planar(const std::uint8_t* tile, std::uint8_t* pixels);

// Byte 4y + x/2 holds pixel x of row y, even x in the low nibble.
void decode_fix_rows(const std::uint8_t* tile, std::uint8_t* pixels);

// Bytes 8k..8k+7 hold byte (k + 2) % 4 of rows 0..7 of the row order.
void decode_fix(const std::uint8_t* tile, std::uint8_t* pixels);

// One tile of `kind` (for sprites, 128 bytes of the interleaved image) into
// tile_side(kind)^2 pixels.
void decode_tile(Kind kind, const std::uint8_t* tile, std::uint8_t* pixels);

// The planar image from a C ROM pair: out[2i] = c1[i], out[2i + 1] = c2[i].
void interleave_pair(const std::uint8_t* c1, const std::uint8_t* c2, std::size_t n,
                     std::uint8_t* out);

}  // namespace neo::tileview
