// Reads a PNG back as 8-bit RGB through libpng, for tests.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace neo::tileview {

struct RgbImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, row by row

  const std::uint8_t* at(std::uint32_t x, std::uint32_t y) const {
    return rgb.data() + 3 * (std::size_t{y} * width + x);
  }
};

// Empty when the file is missing or not a PNG libpng can read.
std::optional<RgbImage> read_png_rgb(const std::string& path);

}  // namespace neo::tileview
