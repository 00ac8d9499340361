#include "swaps.hpp"

#include <bit>

#include "le_bytes.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace neo::swaps {
namespace {

constexpr std::uint64_t byte_reversed(std::uint64_t v) {
  v = (v >> 8 & 0x00FF00FF00FF00FFull) | (v & 0x00FF00FF00FF00FFull) << 8;
  v = (v >> 16 & 0x0000FFFF0000FFFFull) | (v & 0x0000FFFF0000FFFFull) << 16;
  return v >> 32 | v << 32;
}

}  // namespace

void reverse_nibbles(const std::uint8_t* in, std::uint8_t* out, std::size_t groups) {
  // out[k] is in[3 - k] with its nibbles exchanged, two groups a 64-bit word:
  // reversing all eight bytes and swapping the halves reverses each group.
  std::size_t g = 0;
  for (; g + 2 <= groups; g += 2) {
    const std::uint64_t v = std::rotl(byte_reversed(load_le64(in + 4 * g)), 32);
    store_le64(out + 4 * g, (v >> 4 & 0x0F0F0F0F0F0F0F0Full) | (v & 0x0F0F0F0F0F0F0F0Full) << 4);
  }
  for (; g < groups; ++g) {
    const std::uint8_t* p = in + 4 * g;
    std::uint8_t* q = out + 4 * g;
    const std::uint8_t b0 = p[0], b1 = p[1], b2 = p[2], b3 = p[3];
    q[0] = static_cast<std::uint8_t>(b3 >> 4 | b3 << 4);
    q[1] = static_cast<std::uint8_t>(b2 >> 4 | b2 << 4);
    q[2] = static_cast<std::uint8_t>(b1 >> 4 | b1 << 4);
    q[3] = static_cast<std::uint8_t>(b0 >> 4 | b0 << 4);
  }
}

namespace {

[[maybe_unused]] void fix_tile_bytes(const std::uint8_t* in, std::uint8_t* out) {
  for (int k = 0; k < 4; ++k)
    for (int y = 0; y < 8; ++y) out[8 * k + y] = in[4 * y + (k + 2) % 4];
}

}  // namespace

void fix_tile_order(const std::uint8_t* in, std::uint8_t* out, std::size_t tiles) {
#if defined(__SSE2__)
  // A transpose of 8 rows by 4 bytes in three rounds of byte interleaving.
  for (std::size_t t = 0; t < tiles; ++t) {
    const __m128i rows03 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 32 * t));
    const __m128i rows47 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 32 * t + 16));
    const __m128i a = _mm_unpacklo_epi8(rows03, rows47);  // rows 0,4 then 1,5
    const __m128i b = _mm_unpackhi_epi8(rows03, rows47);  // rows 2,6 then 3,7
    const __m128i c = _mm_unpacklo_epi8(a, b);            // rows 0,2,4,6
    const __m128i d = _mm_unpackhi_epi8(a, b);            // rows 1,3,5,7
    const __m128i bytes01 = _mm_unpacklo_epi8(c, d);      // byte 0 of rows 0-7, then byte 1
    const __m128i bytes23 = _mm_unpackhi_epi8(c, d);      // byte 2 of rows 0-7, then byte 3
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 32 * t), bytes23);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 32 * t + 16), bytes01);
  }
#else
  for (std::size_t t = 0; t < tiles; ++t) fix_tile_bytes(in + 32 * t, out + 32 * t);
#endif
}

}  // namespace neo::swaps
