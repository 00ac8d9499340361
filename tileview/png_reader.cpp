#include "png_reader.hpp"

#include <png.h>

#include <cstring>

namespace neo::tileview {

std::optional<RgbImage> read_png_rgb(const std::string& path) {
  // libpng's simplified interface: no long jumps to look after.
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  RgbImage out;
  out.width = image.width;
  out.height = image.height;
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return out;
}

}  // namespace neo::tileview
