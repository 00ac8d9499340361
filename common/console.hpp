#pragma once
#include <cstdio>

namespace neo {

// The three standard streams a tool talks through; tests hand in files.
struct Console {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

inline Console standard_console() { return {stdin, stdout, stderr}; }

// Prints one of the message formats on the console's output.
void say(const Console& con, const char* format, ...);

// The usage text: an optional banner, the usage line, the example line.
struct UsageText {
  const char* banner;  // may be null
  const char* usage;
  const char* example;
};

void print_usage(const Console& con, const UsageText& text);

}  // namespace neo
