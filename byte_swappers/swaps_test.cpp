#include "swaps.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace neo::swaps {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes nibbles(const Bytes& in) {
  Bytes out(in.size());
  reverse_nibbles(in.data(), out.data(), in.size() / kGroupBytes);
  return out;
}

Bytes fix(const Bytes& in) {
  Bytes out(in.size());
  fix_tile_order(in.data(), out.data(), in.size() / kFixTileBytes);
  return out;
}

// Digit by digit: the eight hex digits of a group, in file order, reversed.
Bytes nibbles_reference(const Bytes& in) {
  Bytes out(in.size());
  for (std::size_t g = 0; g < in.size(); g += 4) {
    int digits[8];
    for (int i = 0; i < 4; ++i) {
      digits[2 * i] = in[g + i] >> 4;
      digits[2 * i + 1] = in[g + i] & 15;
    }
    for (int i = 0; i < 4; ++i)
      out[g + i] = static_cast<std::uint8_t>(digits[7 - 2 * i] << 4 | digits[6 - 2 * i]);
  }
  return out;
}

// Seen from the input: byte 4y + x goes to 8 * ((x + 2) % 4) + y.
Bytes fix_reference(const Bytes& in) {
  Bytes out(in.size());
  for (std::size_t t = 0; t < in.size(); t += 32)
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 4; ++x) out[t + 8 * ((x + 2) % 4) + y] = in[t + 4 * y + x];
  return out;
}

TEST(ReverseNibbles, Vectors) {
  const struct {
    Bytes in, out;
  } cases[] = {
      {{0x12, 0x34, 0x56, 0x78}, {0x87, 0x65, 0x43, 0x21}},
      {{0x9A, 0xBC, 0xDE, 0xF0}, {0x0F, 0xED, 0xCB, 0xA9}},
      {{0xAB, 0xAB, 0xAB, 0xAB}, {0xBA, 0xBA, 0xBA, 0xBA}},
      {{0x0F, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0xF0}},
      {{0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00}},
      {{0xFF, 0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF, 0xFF}},
      {{0x12, 0x34, 0x43, 0x21}, {0x12, 0x34, 0x43, 0x21}},
      {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0},
       {0x87, 0x65, 0x43, 0x21, 0x0F, 0xED, 0xCB, 0xA9}},
  };
  for (const auto& c : cases) EXPECT_EQ(nibbles(c.in), c.out);
}

TEST(ReverseNibbles, RandomAgainstReferenceTwiceIsIdentityInPlaceWorks) {
  std::mt19937 rng(99);
  for (std::size_t groups : {1u, 2u, 3u, 17u, 1024u}) {
    Bytes in(4 * groups);
    for (auto& b : in) b = static_cast<std::uint8_t>(rng());
    EXPECT_EQ(nibbles(in), nibbles_reference(in));
    EXPECT_EQ(nibbles(nibbles(in)), in);
    Bytes same = in;
    reverse_nibbles(same.data(), same.data(), groups);
    EXPECT_EQ(same, nibbles_reference(in));
  }
}

TEST(FixTileOrder, WorkedExampleTwiceAndNotAnInvolution) {
  Bytes tile(32);
  for (int i = 0; i < 32; ++i) tile[i] = static_cast<std::uint8_t>(i);
  const Bytes expected = {0x02, 0x06, 0x0A, 0x0E, 0x12, 0x16, 0x1A, 0x1E, 0x03, 0x07, 0x0B,
                          0x0F, 0x13, 0x17, 0x1B, 0x1F, 0x00, 0x04, 0x08, 0x0C, 0x10, 0x14,
                          0x18, 0x1C, 0x01, 0x05, 0x09, 0x0D, 0x11, 0x15, 0x19, 0x1D};
  EXPECT_EQ(fix(tile), expected);
  Bytes two = tile;
  two.insert(two.end(), tile.begin(), tile.end());
  Bytes expected_two = expected;
  expected_two.insert(expected_two.end(), expected.begin(), expected.end());
  EXPECT_EQ(fix(two), expected_two);
  const Bytes twice = fix(fix(tile));
  EXPECT_NE(twice, tile);
  EXPECT_EQ(twice[0], 0x0A);  // byte 0 of the second pass is byte 10 of the input
}

TEST(FixTileOrder, RandomAgainstReference) {
  std::mt19937 rng(5);
  for (std::size_t tiles : {1u, 2u, 3u, 100u}) {
    Bytes in(32 * tiles);
    for (auto& b : in) b = static_cast<std::uint8_t>(rng());
    EXPECT_EQ(fix(in), fix_reference(in));
  }
}

}  // namespace
}  // namespace neo::swaps
