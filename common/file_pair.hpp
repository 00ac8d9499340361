#pragma once
#include <cstdio>

#include "console.hpp"
#include "streams.hpp"

namespace neo {

struct FilePair {
  std::FILE* in = nullptr;
  std::FILE* out = nullptr;
};

// The common opening of the tools that read argument 1 and write argument 2:
// the usage text for no arguments; the input opened first (so a missing
// input is reported as such whatever else is missing); the usage text when
// fewer than `needed` arguments were given; the output refused when it is
// the input itself; the output created; the input and output lines printed.
// False on any failure, after its message, with every stream closed.
bool open_file_pair(StreamSet& streams, const Console& con, int argc, char** argv, int needed,
                    const UsageText& usage, FilePair& files);

// Settles an output before its success is reported: true when every write
// went through (`written`) and the buffered bytes reached the file; else the
// write error is printed naming `out_name`.
bool flush_output(const Console& con, std::FILE* out, const char* out_name, bool written);

}  // namespace neo
