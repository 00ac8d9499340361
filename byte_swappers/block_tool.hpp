#pragma once
#include <cstddef>
#include <cstdint>

#include "console.hpp"

namespace neo::swaps {

// What tells galdrun and ostrim apart; the streaming frame is the same.
struct BlockTool {
  UsageText usage;
  std::size_t block_bytes;
  void (*transform)(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks);
  bool done_line;
};

extern const BlockTool kGaldrun;
extern const BlockTool kOstrim;

// Streams argument 1 through the tool's transform into argument 2, whole
// blocks only, in a fixed buffer. Returns the exit status.
int run_block_tool(const BlockTool& tool, int argc, char** argv, const Console& con);

}  // namespace neo::swaps
