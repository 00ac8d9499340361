#include "file_pair.hpp"

#include "messages.hpp"
#include "platform.hpp"

namespace neo {

bool open_file_pair(StreamSet& streams, const Console& con, int argc, char** argv, int needed,
                    const UsageText& usage, FilePair& files) {
  if (argc <= 1) {
    print_usage(con, usage);
    return false;
  }
  files.in = streams.open_read(argv[1]);
  if (files.in == nullptr) {
    say(con, msg::kNotFound, argv[1]);
    streams.close_all();
    return false;
  }
  if (argc < needed) {
    print_usage(con, usage);
    streams.close_all();
    return false;
  }
  // Opening the output would empty the input before a byte is read.
  if (platform::same_file(files.in, argv[2])) {
    say(con, msg::kIsInputFile, argv[2]);
    streams.close_all();
    return false;
  }
  files.out = streams.open_write(argv[2]);
  if (files.out == nullptr) {
    say(con, msg::kCreateError, argv[2]);
    streams.close_all();
    return false;
  }
  say(con, msg::kInputLine, argv[1]);
  say(con, msg::kOutputLine, argv[2]);
  return true;
}

bool flush_output(const Console& con, std::FILE* out, const char* out_name, bool written) {
  if (written && std::fflush(out) == 0 && !std::ferror(out)) return true;
  say(con, msg::kWriteError, out_name);
  return false;
}

}  // namespace neo
