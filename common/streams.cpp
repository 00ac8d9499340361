#include "streams.hpp"

#include <algorithm>

namespace neo {

std::FILE* StreamSet::track(std::FILE* stream) {
  if (stream != nullptr) open_.push_back(stream);
  return stream;
}

std::FILE* StreamSet::open_read(const char* name) { return track(std::fopen(name, "rb")); }

std::FILE* StreamSet::open_write(const char* name) { return track(std::fopen(name, "wb")); }

bool StreamSet::close(std::FILE* stream) {
  auto it = std::find(open_.begin(), open_.end(), stream);
  if (it == open_.end()) return true;
  open_.erase(it);
  return std::fclose(stream) == 0;
}

bool StreamSet::close_all() {
  bool ok = true;
  // Newest first, so an output closes before the input it was made from.
  while (!open_.empty()) {
    std::FILE* stream = open_.back();
    open_.pop_back();
    if (std::fclose(stream) != 0) ok = false;
  }
  return ok;
}

std::size_t read_up_to(std::FILE* stream, void* data, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(data);
  std::size_t got = 0;
  while (got < size) {
    const std::size_t n = std::fread(bytes + got, 1, size - got, stream);
    if (n == 0) break;
    got += n;
  }
  return got;
}

bool write_all(std::FILE* stream, const void* data, std::size_t size) {
  return size == 0 || std::fwrite(data, 1, size, stream) == size;
}

}  // namespace neo
