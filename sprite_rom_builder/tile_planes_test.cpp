#include "tile_planes.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace neo::sprites {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Bit by bit, as the layout is defined: bit b of pixel p in row r lands in
// byte 64h + 4r + q of the tile as bit p % 8, h = 1 for pixels 0-7, q = 0,2,1,3.
Bytes reference(const Bytes& in) {
  Bytes padded = in;
  padded.resize((in.size() + kTileBytes - 1) / kTileBytes * kTileBytes, 0);
  Bytes out(padded.size(), 0);
  const int lane[4] = {0, 2, 1, 3};
  for (std::size_t t = 0; t < padded.size(); t += kTileBytes)
    for (int r = 0; r < 16; ++r)
      for (int p = 0; p < 16; ++p) {
        const std::uint8_t byte = padded[t + 8 * r + p / 2];
        const int pixel = (p % 2 == 0) ? byte & 15 : byte >> 4;
        for (int b = 0; b < 4; ++b)
          if (pixel >> b & 1) out[t + 64 * (p < 8 ? 1 : 0) + 4 * r + lane[b]] |= 1 << (p % 8);
      }
  out.resize(in.size());
  return out;
}

Bytes convert(const Bytes& in) {
  Bytes out(in.size(), 0xEE);
  to_planar(in.data(), out.data(), in.size());
  return out;
}

TEST(TilePlanes, MatchesBitByBitReferenceOnRandomData) {
  std::mt19937 rng(12345);
  for (std::size_t length : {0u, 1u, 7u, 64u, 127u, 128u, 129u, 255u, 256u, 1000u, 128u * 40 + 77}) {
    Bytes in(length);
    for (auto& b : in) b = static_cast<std::uint8_t>(rng());
    const Bytes expected = reference(in);
    EXPECT_EQ(convert(in), expected) << "length " << length;
    Bytes in_place = in;
    to_planar_in_place(in_place.data(), in_place.size());
    EXPECT_EQ(in_place, expected) << "in place, length " << length;
  }
}

TEST(TilePlanes, WorkedExampleRow) {
  const std::uint8_t row[8] = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE};
  Bytes tile(kTileBytes);
  for (int r = 0; r < 16; ++r) std::copy(row, row + 8, tile.begin() + 8 * r);
  Bytes expected;
  // push_back, not insert of a list: g++ 12 for s390x warns falsely on that.
  for (int half = 0; half < 2; ++half)
    for (int r = 0; r < 16; ++r)
      for (std::uint8_t b : {0xAA, 0xF0, 0xCC, half == 0 ? 0xFF : 0x00}) expected.push_back(b);
  EXPECT_EQ(convert(tile), expected);
}

TEST(TilePlanes, SingleBitProbes) {
  const struct {
    std::size_t in_offset;
    std::uint8_t in_byte;
    std::size_t out_offset;
    std::uint8_t out_byte;
  } probes[] = {
      {0, 0x01, 64, 0x01},    // pixel 0 of row 0, value 1
      {7, 0x80, 3, 0x80},     // pixel 15 of row 0, value 8
      {24, 0x20, 78, 0x02},   // pixel 1 of row 3, value 2
      {124, 0x40, 61, 0x02},  // pixel 9 of row 15, value 4
  };
  for (const auto& p : probes) {
    Bytes tile(kTileBytes, 0);
    tile[p.in_offset] = p.in_byte;
    Bytes expected(kTileBytes, 0);
    expected[p.out_offset] = p.out_byte;
    EXPECT_EQ(convert(tile), expected) << "input offset " << p.in_offset;
  }
}

TEST(TilePlanes, UniformTilesAndTileIndependence) {
  EXPECT_EQ(convert(Bytes(kTileBytes, 0x00)), Bytes(kTileBytes, 0x00));
  EXPECT_EQ(convert(Bytes(kTileBytes, 0xFF)), Bytes(kTileBytes, 0xFF));
  std::mt19937 rng(7);
  Bytes two(2 * kTileBytes);
  for (auto& b : two) b = static_cast<std::uint8_t>(rng());
  Bytes other = two;
  for (std::size_t i = 0; i < kTileBytes; ++i) other[i] = static_cast<std::uint8_t>(~other[i]);
  const Bytes a = convert(two), b = convert(other);
  EXPECT_TRUE(std::equal(a.begin() + kTileBytes, a.end(), b.begin() + kTileBytes));
}

TEST(TilePlanes, PartialTileIsZeroPadded) {
  // 5 bytes of a tile: the converted prefix equals that of the padded tile.
  Bytes part = {0x12, 0x34, 0x56, 0x78, 0x9A};
  Bytes padded = part;
  padded.resize(kTileBytes, 0);
  const Bytes whole = convert(padded);
  EXPECT_EQ(convert(part), Bytes(whole.begin(), whole.begin() + 5));
}

}  // namespace
}  // namespace neo::sprites
