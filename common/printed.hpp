#pragma once
#include <cstdint>
#include <string>

namespace neo {

// A 32-bit value as signed decimal: 0x80000000 and up print negative.
std::string signed_decimal(std::uint32_t value);

// A 32-bit value as exactly eight upper-case hexadecimal digits.
std::string hex8(std::uint32_t value);

}  // namespace neo
