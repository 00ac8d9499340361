// What differs between hosts: file identity, 64-bit positioning, large
// buffers. Everything else in the tools is plain standard C++.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace neo::platform {

// True when the open stream is a directory (which some hosts let open).
bool is_directory(std::FILE* stream);

// True when `path` names the very file that `stream` has open, however the
// name is spelt (another relative path, a hard link). False when `path`
// does not exist yet.
bool same_file(std::FILE* stream, const char* path);

// Positions a stream at a byte offset from the start, past 2 GiB as well.
bool seek(std::FILE* stream, std::uint64_t offset);

// The length of a seekable file, measured by a seek to its end; the
// position is put back to the start. Empty when the stream cannot seek.
std::optional<std::uint64_t> measure(std::FILE* stream);

// A zero-filled block of memory for the big buffers, asking the host for
// huge pages where it can: touching fresh memory is cheaper that way.
class ZeroedBuffer {
 public:
  explicit ZeroedBuffer(std::size_t size);
  ZeroedBuffer(const ZeroedBuffer&) = delete;
  ZeroedBuffer& operator=(const ZeroedBuffer&) = delete;
  ~ZeroedBuffer();

  bool ok() const { return data_ != nullptr; }
  unsigned char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;
  std::size_t mapped_ = 0;
};

}  // namespace neo::platform
