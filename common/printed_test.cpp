#include "printed.hpp"

#include <gtest/gtest.h>

namespace neo {
namespace {

TEST(Printed, SignedDecimalAndHex) {
  const struct {
    std::uint32_t value;
    const char* decimal;
    const char* hex;
  } cases[] = {
      {0, "0", "00000000"},
      {0x100000, "1048576", "00100000"},
      {0x04000000, "67108864", "04000000"},
      {0x7FFFFFFF, "2147483647", "7FFFFFFF"},
      {0x80000000, "-2147483648", "80000000"},
      {0xFFFFFFFF, "-1", "FFFFFFFF"},
      {0xABCDEF, "11259375", "00ABCDEF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(signed_decimal(c.value), c.decimal);
    EXPECT_EQ(hex8(c.value), c.hex);
  }
}

}  // namespace
}  // namespace neo
