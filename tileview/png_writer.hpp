// Writes a palette PNG line by line through libpng, so a sheet of any height
// never has to be held in memory whole.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

namespace neo::tileview {

class PngWriter {
 public:
  PngWriter() = default;
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  ~PngWriter();

  // The header and the sheet palette, to `out`, which stays the caller's.
  bool begin(std::FILE* out, std::uint32_t width, std::uint32_t height);
  // One line of `width` palette entries.
  bool line(const std::uint8_t* entries);
  // After the last line.
  bool finish();

  // What went wrong, once a call returned false.
  const std::string& error() const { return error_; }

  // libpng's error hook; public so the C callback can reach it.
  void set_error(const char* text) { error_ = text; }

 private:
  void* png_ = nullptr;   // png_structp, kept out of this header
  void* info_ = nullptr;  // png_infop
  std::string error_;
};

// The largest sheet side a PNG can hold.
inline constexpr std::uint64_t kPngMaxSide = 0x7FFFFFFF;

}  // namespace neo::tileview
