#include "block_tool.hpp"

int main(int argc, char** argv) {
  return neo::swaps::run_block_tool(neo::swaps::kOstrim, argc, argv, neo::standard_console());
}
