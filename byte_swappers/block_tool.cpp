#include "block_tool.hpp"

#include <memory>

#include "file_pair.hpp"
#include "messages.hpp"
#include "swaps.hpp"

namespace neo::swaps {

const BlockTool kGaldrun{{msg::kGaldrunBanner, msg::kGaldrunUsage, msg::kGaldrunExample},
                         kGroupBytes,
                         reverse_nibbles,
                         false};

const BlockTool kOstrim{{msg::kOstrimBanner, msg::kOstrimUsage, msg::kOstrimExample},
                        kFixTileBytes,
                        fix_tile_order,
                        true};

namespace {
// A whole number of blocks of either tool.
constexpr std::size_t kBufferBytes = std::size_t{1} << 20;
}  // namespace

int run_block_tool(const BlockTool& tool, int argc, char** argv, const Console& con) {
  StreamSet streams;
  FilePair files;
  if (!open_file_pair(streams, con, argc, argv, 3, tool.usage, files)) return 1;

  auto in = std::make_unique<std::uint8_t[]>(kBufferBytes);
  auto out = std::make_unique<std::uint8_t[]>(kBufferBytes);
  bool read_failed = false;
  bool write_failed = false;
  for (;;) {
    const std::size_t got = read_up_to(files.in, in.get(), kBufferBytes);
    const std::size_t blocks = got / tool.block_bytes;  // a final partial block is dropped
    tool.transform(in.get(), out.get(), blocks);
    if (!write_all(files.out, out.get(), blocks * tool.block_bytes)) {
      write_failed = true;
      break;
    }
    if (got < kBufferBytes) {
      read_failed = std::ferror(files.in) != 0;
      break;
    }
  }
  if (read_failed) {
    say(con, msg::kReadError, argv[1]);
    streams.close_all();
    return 1;
  }
  if (!flush_output(con, files.out, argv[2], !write_failed)) {
    streams.close_all();
    return 1;
  }
  if (tool.done_line) std::fputs(msg::kDone, con.out);
  if (!streams.close_all()) {
    say(con, msg::kWriteError, argv[2]);
    return 1;
  }
  return 0;
}

}  // namespace neo::swaps
