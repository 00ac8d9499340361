#include "console.hpp"

#include <cstdarg>

namespace neo {

void say(const Console& con, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::vfprintf(con.out, format, args);
  va_end(args);
}

void print_usage(const Console& con, const UsageText& text) {
  if (text.banner != nullptr) std::fputs(text.banner, con.out);
  std::fputs(text.usage, con.out);
  std::fputs(text.example, con.out);
}

}  // namespace neo
