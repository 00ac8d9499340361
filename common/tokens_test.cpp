#include "tokens.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace neo {
namespace {

std::vector<std::string> all_tokens(const std::string& input) {
  std::FILE* f = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), f);
  std::rewind(f);
  TokenReader reader(f);
  std::vector<std::string> tokens;
  while (auto t = reader.next()) tokens.push_back(*t);
  std::fclose(f);
  return tokens;
}

TEST(Tokens, SplitOnAnyWhiteSpace) {
  using V = std::vector<std::string>;
  EXPECT_EQ(all_tokens(""), V{});
  EXPECT_EQ(all_tokens(" \n\t \r\n"), V{});
  EXPECT_EQ(all_tokens("0 1 80 b.bin\n"), (V{"0", "1", "80", "b.bin"}));
  EXPECT_EQ(all_tokens("\n\n  0\r\n\v1\f2\t-1"), (V{"0", "1", "2", "-1"}));
  EXPECT_EQ(all_tokens("a\x80\xff b"), (V{"a\x80\xff", "b"}));
  EXPECT_EQ(all_tokens(std::string("a\0b c", 5)), (V{std::string("a\0b", 3), "c"}));
}

TEST(Tokens, LongTokenTakenWhole) {
  const std::string long_name(100000, 'n');
  EXPECT_EQ(all_tokens("x " + long_name + " y"), (std::vector<std::string>{"x", long_name, "y"}));
}

TEST(Tokens, EndingSpaceStaysUnread) {
  std::FILE* f = std::tmpfile();
  std::fputs("ab\ncd", f);
  std::rewind(f);
  TokenReader reader(f);
  EXPECT_EQ(reader.next(), "ab");
  EXPECT_EQ(std::fgetc(f), '\n');
  std::fclose(f);
}

}  // namespace
}  // namespace neo
