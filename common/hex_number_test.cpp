#include "hex_number.hpp"

#include <gtest/gtest.h>

#include <string>

namespace neo {
namespace {

TEST(HexNumber, Table) {
  const struct {
    std::string text;
    std::uint32_t value;
  } cases[] = {
      {"0", 0},
      {"100000", 0x100000},
      {"0x100000", 0x100000},
      {"0X100000", 0x100000},
      {"  100000", 0x100000},
      {" \t\n\v\f\r100000", 0x100000},
      {"100000h", 0x100000},
      {"aBcDeF", 0xABCDEF},
      {"+1", 1},
      {"-1", 0xFFFFFFFF},
      {"-0", 0},
      {"-10", 0xFFFFFFF0},
      {"+0x10", 0x10},
      {"-0x10", 0xFFFFFFF0},
      {"0x-10", 0},   // the sign comes before the prefix only
      {"+-1", 0},     // one sign at most
      {" -1", 0xFFFFFFFF},
      {"- 1", 0},     // no white space after the sign
      {"", 0},
      {"-", 0},
      {"+", 0},
      {"0x", 0},
      {"0xg", 0},
      {"x10", 0},
      {"Odd", 0},
      {"Even", 0xE},
      {"FFFFFFFF", 0xFFFFFFFF},
      {"00000000FFFFFFFF", 0xFFFFFFFF},  // leading zeros are not significant
      {"000000012345678", 0x12345678},
      {"100000000", 0xFFFFFFFF},         // nine significant digits
      {"123456789ABCDEF0123", 0xFFFFFFFF},
      {"-100000000", 1},                 // negated after the limit
      {"-FFFFFFFF", 1},
      {"80000000", 0x80000000},
      {"12\x80" "34", 0x12},             // bytes 0x80 and up end the number
      {"\xff" "12", 0},
      {"\xa0" "12", 0},                  // not white space either
      {std::string("1\0" "2", 3), 1},
      {"1 2", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(read_hex_number(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace neo
