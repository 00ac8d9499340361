// The number reader against a plain digit-by-digit reading of the same
// 32-bit rules; any disagreement is a failure.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "hex_number.hpp"

namespace {

bool is_space(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digit(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Counts significant digits instead of watching the value, and negates
// with 64-bit arithmetic, so it shares no trick with the reader.
std::uint32_t reference(const unsigned char* s, std::size_t n) {
  std::size_t i = 0;
  while (i < n && is_space(s[i])) ++i;
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) i += 2;
  std::uint64_t value = 0;
  int significant = 0;
  for (; i < n && digit(s[i]) >= 0; ++i) {
    const int d = digit(s[i]);
    if (significant == 0 && d == 0) continue;
    ++significant;
    if (significant <= 8) value = value * 16 + static_cast<std::uint64_t>(d);
  }
  if (significant > 8) value = 0xFFFFFFFFu;
  if (negative) value = (std::uint64_t{1} << 32) - value;
  return static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint32_t got =
      neo::read_hex_number(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::uint32_t want = reference(data, size);
  if (got != want) {
    std::fprintf(stderr, "read_hex_number gave %08X, the reference %08X\n", static_cast<unsigned>(got),
                 static_cast<unsigned>(want));
    std::abort();
  }
  return 0;
}
