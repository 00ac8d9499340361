#pragma once
#include <cstdio>
#include <optional>
#include <string>

namespace neo {

// Reads white-space-delimited tokens of any length; the white space that
// ends a token stays unread. Empty at the end of the input or an error.
class TokenReader {
 public:
  explicit TokenReader(std::FILE* stream) : stream_(stream) {}
  std::optional<std::string> next();

 private:
  std::FILE* stream_;
};

}  // namespace neo
