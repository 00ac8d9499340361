#pragma once
#include <cstdint>
#include <string_view>

namespace neo {

// Reads a user's number as unsigned 32-bit hexadecimal text: leading white
// space, one optional sign, an optional 0x/0X, then hex digits up to the
// first other byte. More than eight significant digits saturate to
// 0xFFFFFFFF; a leading '-' negates modulo 2^32 after that. No digit reads
// as 0. The same 32-bit result on every host.
std::uint32_t read_hex_number(std::string_view text);

}  // namespace neo
