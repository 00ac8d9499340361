#include "decode.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "split.hpp"
#include "swaps.hpp"
#include "tile_planes.hpp"

namespace neo::tileview {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes random_bytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

Bytes decoded(void (*decode)(const std::uint8_t*, std::uint8_t*), const std::uint8_t* tile,
              std::size_t pixels) {
  Bytes out(pixels, 0xEE);
  decode(tile, out.data());
  return out;
}

TEST(Decode, PackedNibbleOrderAndRows) {
  Bytes tile(kSpriteBytes, 0);
  tile[0] = 0x21;        // row 0: pixel 0 = 1, pixel 1 = 2
  tile[8 * 3 + 2] = 0x7A;  // row 3: pixel 4 = A, pixel 5 = 7
  tile[127] = 0xF0;      // row 15: pixel 14 = 0, pixel 15 = F
  const Bytes p = decoded(decode_packed, tile.data(), 256);
  EXPECT_EQ(p[0], 1);
  EXPECT_EQ(p[1], 2);
  EXPECT_EQ(p[16 * 3 + 4], 0xA);
  EXPECT_EQ(p[16 * 3 + 5], 7);
  EXPECT_EQ(p[16 * 15 + 14], 0);
  EXPECT_EQ(p[16 * 15 + 15], 0xF);
  int set = 0;
  for (auto v : p) set += v != 0;
  EXPECT_EQ(set, 5);
}

TEST(Decode, PlanarSingleBitProbes) {
  // Each planar byte bit as the layout places it: bytes 4y, 4y+1, 4y+2, 4y+3
  // of a half hold bits 0, 2, 1, 3; half 1 (bytes 64-127) is pixels 0-7.
  const struct {
    std::size_t offset;
    std::uint8_t byte;
    int x, y, value;
  } probes[] = {
      {64, 0x01, 0, 0, 1},    // half 1, row 0, bit 0 of pixel 0
      {3, 0x80, 15, 0, 8},    // half 0, row 0, bit 3 of pixel 15
      {78, 0x02, 1, 3, 2},    // half 1, row 3, bit 1 of pixel 1
      {61, 0x02, 9, 15, 4},   // half 0, row 15, bit 2 of pixel 9
      {64 + 4 * 7 + 3, 0x10, 4, 7, 8},
  };
  for (const auto& probe : probes) {
    Bytes tile(kSpriteBytes, 0);
    tile[probe.offset] = probe.byte;
    Bytes expected(256, 0);
    expected[16 * probe.y + probe.x] = static_cast<std::uint8_t>(probe.value);
    EXPECT_EQ(decoded(decode_planar, tile.data(), 256), expected) << "offset " << probe.offset;
  }
}

TEST(Decode, PlanarInvertsPellimarConversion) {
  const std::size_t tiles = 50;
  const Bytes packed = random_bytes(tiles * kSpriteBytes, 11);
  Bytes planar(packed.size());
  sprites::to_planar(packed.data(), planar.data(), packed.size());
  ASSERT_NE(planar, packed);
  for (std::size_t t = 0; t < tiles; ++t) {
    const std::uint8_t* in = packed.data() + t * kSpriteBytes;
    EXPECT_EQ(decoded(decode_planar, planar.data() + t * kSpriteBytes, 256),
              decoded(decode_packed, in, 256))
        << "tile " << t;
  }
}

TEST(Decode, InterleaveUndoesTheEvenOddSplit) {
  const Bytes image = random_bytes(4 * kSpriteBytes, 3);
  const std::size_t half = image.size() / 2;
  Bytes c1(half), c2(half);
  // As pellimar cuts the pair: parity 0 then parity 1 from start 0.
  sprites::gather_split(image.data(), 0, half, c1.data());
  sprites::gather_split(image.data(), 1, half, c2.data());
  Bytes back(image.size());
  interleave_pair(c1.data(), c2.data(), half, back.data());
  EXPECT_EQ(back, image);
  interleave_pair(c2.data(), c1.data(), half, back.data());
  EXPECT_NE(back, image);
}

TEST(Decode, FixRowsNibbleOrder) {
  Bytes tile(kFixBytes, 0);
  tile[0] = 0x21;          // row 0: pixel 0 = 1, pixel 1 = 2
  tile[4 * 6 + 3] = 0xC5;  // row 6: pixel 6 = 5, pixel 7 = C
  const Bytes p = decoded(decode_fix_rows, tile.data(), 64);
  EXPECT_EQ(p[0], 1);
  EXPECT_EQ(p[1], 2);
  EXPECT_EQ(p[8 * 6 + 6], 5);
  EXPECT_EQ(p[8 * 6 + 7], 0xC);
  int set = 0;
  for (auto v : p) set += v != 0;
  EXPECT_EQ(set, 4);
}

TEST(Decode, FixColumnPairGroups) {
  // Group k holds row byte (k + 2) % 4: group 0 is pixels 4-5, group 2 pixels 0-1.
  Bytes s(kFixBytes, 0);
  s[0] = 0x21;       // group 0, row 0: pixels 4 = 1, 5 = 2
  s[16 + 7] = 0x43;  // group 2, row 7: pixels 0 = 3, 1 = 4
  s[24 + 2] = 0x65;  // group 3, row 2: pixels 2 = 5, 3 = 6
  s[8 + 1] = 0x87;   // group 1, row 1: pixels 6 = 7, 7 = 8
  const Bytes p = decoded(decode_fix, s.data(), 64);
  EXPECT_EQ(p[4], 1);
  EXPECT_EQ(p[5], 2);
  EXPECT_EQ(p[8 * 7 + 0], 3);
  EXPECT_EQ(p[8 * 7 + 1], 4);
  EXPECT_EQ(p[8 * 2 + 2], 5);
  EXPECT_EQ(p[8 * 2 + 3], 6);
  EXPECT_EQ(p[8 * 1 + 6], 7);
  EXPECT_EQ(p[8 * 1 + 7], 8);
}

TEST(Decode, FixInvertsOstrimOrder) {
  const std::size_t tiles = 40;
  const Bytes rows = random_bytes(tiles * kFixBytes, 21);
  Bytes s(rows.size());
  swaps::fix_tile_order(rows.data(), s.data(), tiles);
  ASSERT_NE(s, rows);
  for (std::size_t t = 0; t < tiles; ++t)
    EXPECT_EQ(decoded(decode_fix, s.data() + t * kFixBytes, 64),
              decoded(decode_fix_rows, rows.data() + t * kFixBytes, 64))
        << "tile " << t;
}

TEST(Decode, TileDispatchSidesAndSizes) {
  const Bytes tile = random_bytes(kSpriteBytes, 8);
  const struct {
    Kind kind;
    void (*decode)(const std::uint8_t*, std::uint8_t*);
    int side;
    std::size_t bytes;
  } kinds[] = {
      {Kind::sprites, decode_planar, 16, 128},
      {Kind::packed, decode_packed, 16, 128},
      {Kind::fix, decode_fix, 8, 32},
      {Kind::fix_rows, decode_fix_rows, 8, 32},
  };
  for (const auto& k : kinds) {
    EXPECT_EQ(tile_side(k.kind), k.side);
    EXPECT_EQ(tile_bytes(k.kind), k.bytes);
    const std::size_t area = static_cast<std::size_t>(k.side * k.side);
    Bytes via_kind(area);
    decode_tile(k.kind, tile.data(), via_kind.data());
    EXPECT_EQ(via_kind, decoded(k.decode, tile.data(), area));
  }
}

}  // namespace
}  // namespace neo::tileview
