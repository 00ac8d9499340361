#include "printed.hpp"

#include <cinttypes>
#include <cstdio>

namespace neo {

std::string signed_decimal(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%" PRId32, static_cast<std::int32_t>(value));
  return text;
}

std::string hex8(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08" PRIX32, value);
  return text;
}

}  // namespace neo
