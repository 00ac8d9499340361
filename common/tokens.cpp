#include "tokens.hpp"

namespace neo {
namespace {

bool is_space(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::optional<std::string> TokenReader::next() {
  int c = std::getc(stream_);
  while (c != EOF && is_space(c)) c = std::getc(stream_);
  if (c == EOF) return std::nullopt;
  std::string token;
  while (c != EOF && !is_space(c)) {
    token.push_back(static_cast<char>(c));
    c = std::getc(stream_);
  }
  if (c != EOF) std::ungetc(c, stream_);
  return token;
}

}  // namespace neo
