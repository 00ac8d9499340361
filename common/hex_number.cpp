#include "hex_number.hpp"

namespace neo {
namespace {

bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::uint32_t read_hex_number(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) i += 2;

  std::uint32_t value = 0;
  bool saturated = false;
  for (; i < text.size(); ++i) {
    const int d = digit_value(text[i]);
    if (d < 0) break;
    if (value > 0x0FFFFFFFu) saturated = true;  // a ninth significant digit
    if (!saturated) value = (value << 4) | static_cast<std::uint32_t>(d);
  }
  if (saturated) value = 0xFFFFFFFFu;
  return negative ? 0u - value : value;
}

}  // namespace neo
