// Packed-pixel sprite tiles (16 x 16 pixels, two 4-bit pixels a byte) to the
// planar layout of the C ROMs, where each byte holds one bit of 8 pixels.
#pragma once
#include <cstddef>
#include <cstdint>

namespace neo::sprites {

inline constexpr std::size_t kTileBytes = 128;

// Converts `length` bytes of tiles from `in` into `out` (same length, no
// overlap). A final partial tile converts as if padded with zero bytes to a
// whole tile; only its first bytes are stored.
void to_planar(const std::uint8_t* in, std::uint8_t* out, std::size_t length);

// The same conversion over a buffer in place.
void to_planar_in_place(std::uint8_t* data, std::size_t length);

}  // namespace neo::sprites
