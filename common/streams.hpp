#pragma once
#include <cstddef>
#include <cstdio>
#include <vector>

namespace neo {

// The file streams a tool opened. Closing them all never touches the
// standard streams, so messages printed afterwards still reach the console.
class StreamSet {
 public:
  StreamSet() = default;
  StreamSet(const StreamSet&) = delete;
  StreamSet& operator=(const StreamSet&) = delete;
  ~StreamSet() { close_all(); }

  std::FILE* open_read(const char* name);   // binary; null if missing
  std::FILE* open_write(const char* name);  // binary; created or truncated

  // Closes one stream; false when its pending output could not be written.
  bool close(std::FILE* stream);
  // Closes every stream still open; false if any close failed.
  bool close_all();

 private:
  std::FILE* track(std::FILE* stream);
  std::vector<std::FILE*> open_;
};

// Reads until `size` bytes arrived, the end of the file or an error;
// returns how many arrived. ferror() tells an error from the end.
std::size_t read_up_to(std::FILE* stream, void* data, std::size_t size);

// Writes all `size` bytes; false on any failure.
bool write_all(std::FILE* stream, const void* data, std::size_t size);

}  // namespace neo
