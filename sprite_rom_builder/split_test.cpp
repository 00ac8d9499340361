#include "split.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace neo::sprites {
namespace {

TEST(Split, PlanTable) {
  const std::uint32_t L = 256;  // two tiles
  const struct {
    SplitRequest request;
    std::uint64_t first;
    std::uint32_t count;
    bool inside;
  } cases[] = {
      {{0, 0, 0x80}, 0, 0x80, true},            // even bytes 0..254
      {{0, 1, 0x80}, 1, 0x80, true},            // odd bytes 1..255
      {{0x40, 0, 0x40}, 128, 0x40, true},       // 128..254
      {{0x80, 0, 1}, 256, 1, true},             // the zero byte after the image
      {{0x80, 1, 1}, 257, 1, false},            // one past it
      {{0, 1, 0x81}, 1, 0x81, false},           // last index 257
      {{0, 0, 0x81}, 0, 0x81, true},            // last index 256
      {{0, 0, 0}, 0, 0, true},                  // nothing to write
      {{0x1000, 0, 0}, 0x2000, 0, true},        // nothing to write, far away
      {{0xFFFFFFF0, 0, 0x20}, 0xFFFFFFE0, 0, true},  // start + size wraps: nothing
      {{1, 0xFFFFFFFF, 3}, 1, 3, true},         // parity -1 wraps the index to 1
      {{1, 2, 4}, 4, 4, true},                  // parity 2 is start + 1
      {{0, 0xE, 1}, 0xE, 1, true},              // "Even" read as 0xE
      {{0x7FFFFFFF, 0, 1}, 0xFFFFFFFE, 1, false},
  };
  for (const auto& c : cases) {
    const SplitPlan plan = plan_split(c.request, L);
    EXPECT_EQ(plan.count, c.count) << c.request.start << ' ' << c.request.parity << ' ' << c.request.size;
    if (plan.count != 0) {
      EXPECT_EQ(plan.first, c.first);
    }
    EXPECT_EQ(plan.inside, c.inside) << c.request.start << ' ' << c.request.parity << ' ' << c.request.size;
  }
}

TEST(Split, GatherTakesEverySecondByte) {
  std::vector<std::uint8_t> image(257);
  for (std::size_t i = 0; i < 256; ++i) image[i] = static_cast<std::uint8_t>(i);
  image[256] = 0;
  std::vector<std::uint8_t> out(3);
  gather_split(image.data(), 251, 3, out.data());
  EXPECT_EQ(out, (std::vector<std::uint8_t>{251, 253, 255}));
}

}  // namespace
}  // namespace neo::sprites
