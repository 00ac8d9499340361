// The two block transforms of the byte swappers, over whole blocks only.
#pragma once
#include <cstddef>
#include <cstdint>

namespace neo::swaps {

inline constexpr std::size_t kGroupBytes = 4;
inline constexpr std::size_t kFixTileBytes = 32;

// Reverses the eight 4-bit pixels of each 4-byte group. `out` may be `in`.
void reverse_nibbles(const std::uint8_t* in, std::uint8_t* out, std::size_t groups);

// Rearranges each 32-byte fix tile from row order into the S ROM's
// column-pair order: out[8k + y] = in[4y + (k + 2) % 4]. No overlap.
void fix_tile_order(const std::uint8_t* in, std::uint8_t* out, std::size_t tiles);

}  // namespace neo::swaps
