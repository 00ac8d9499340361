#include "vendrel.hpp"

#include <algorithm>
#include <cstring>
#include <memory>

#include "file_pair.hpp"
#include "hex_number.hpp"
#include "messages.hpp"
#include "platform.hpp"
#include "printed.hpp"

namespace neo::vendrel {
namespace {

constexpr UsageText kUsage{nullptr, msg::kVendrelUsage, msg::kVendrelExample};
constexpr std::size_t kBufferBytes = std::size_t{1} << 20;

// Moves the input to `offset`; a stream that cannot seek (a pipe) is read
// up to it instead. False on a read error.
bool skip_to(std::FILE* in, std::uint64_t offset, std::uint8_t* buffer) {
  if (platform::seek(in, offset)) return true;
  while (offset > 0) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(offset, kBufferBytes));
    const std::size_t got = read_up_to(in, buffer, want);
    offset -= got;
    if (got < want) break;
  }
  return std::ferror(in) == 0;
}

}  // namespace

int run(int argc, char** argv, const Console& con) {
  StreamSet streams;
  FilePair files;
  if (!open_file_pair(streams, con, argc, argv, 5, kUsage, files)) return 1;

  const std::uint32_t start = read_hex_number(argv[3]);
  const std::uint32_t size = read_hex_number(argv[4]);
  say(con, msg::kStartLine, signed_decimal(start).c_str(), hex8(start).c_str());
  say(con, msg::kCutSizeLine, signed_decimal(size).c_str(), hex8(size).c_str());

  auto buffer = std::make_unique<std::uint8_t[]>(kBufferBytes);
  bool read_ok = skip_to(files.in, start, buffer.get());
  bool write_ok = true;
  bool at_end = false;  // past the input's end the range is zero
  for (std::uint64_t left = size; read_ok && write_ok && left > 0;) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, kBufferBytes));
    std::size_t got = 0;
    if (!at_end) {
      got = read_up_to(files.in, buffer.get(), want);
      if (got < want) {
        read_ok = std::ferror(files.in) == 0;
        if (!read_ok) break;
        at_end = true;
      }
    }
    std::memset(buffer.get() + got, 0, want - got);
    write_ok = write_all(files.out, buffer.get(), want);
    left -= want;
  }
  if (!read_ok) {
    say(con, msg::kReadError, argv[1]);
    streams.close_all();
    return 1;
  }
  if (!flush_output(con, files.out, argv[2], write_ok)) {
    streams.close_all();
    return 1;
  }
  if (!streams.close_all()) {
    say(con, msg::kWriteError, argv[2]);
    return 1;
  }
  std::fputs(msg::kDone, con.out);
  return 0;
}

}  // namespace neo::vendrel
