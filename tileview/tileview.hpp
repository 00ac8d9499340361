// The tileview program: options, input files, the sheet, the PNG.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "console.hpp"
#include "decode.hpp"

namespace neo::tileview {

// Without --count no more than this many tiles are drawn, so that a
// 64 MiB ROM pair (524288 tiles) gives a sheet of a sensible size.
inline constexpr std::uint64_t kDefaultCount = 4096;
inline constexpr std::uint64_t kMaxColumns = 1024;
inline constexpr int kMaxScale = 16;

struct Options {
  bool help = false;
  std::optional<Kind> kind;
  std::vector<std::string> inputs;  // two for sprites, else one
  std::string output;
  std::uint32_t first = 0;
  std::optional<std::uint32_t> count;
  std::uint64_t columns = 16;
  int scale = 2;
};

struct Parsed {
  Options options;
  std::string error;  // empty when the arguments are right
};

// Reads argv[1..argc-1]. Help asked for ends the reading there.
Parsed parse_options(int argc, char** argv);

struct Range {
  std::uint64_t first = 0;
  std::uint64_t count = 0;
  bool capped = false;  // the default count cut the rest short
};

// The tiles to draw out of `available`; empty when --first is past them.
std::optional<Range> choose_range(std::uint64_t available, std::uint32_t first,
                                  std::optional<std::uint32_t> count);

// The whole run, its messages on `con`. Returns the exit status.
int run(int argc, char** argv, const Console& con);

}  // namespace neo::tileview
