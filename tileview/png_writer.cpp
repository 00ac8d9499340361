#include "png_writer.hpp"

#include <png.h>

#include "sheet.hpp"

namespace neo::tileview {
namespace {

// libpng reports errors by a long jump back to the setjmp of the call in
// progress; the functions holding one keep no objects with destructors.
[[noreturn]] void on_error(png_structp png, png_const_charp text) {
  static_cast<PngWriter*>(png_get_error_ptr(png))->set_error(text);
  png_longjmp(png, 1);
}

void on_warning(png_structp, png_const_charp) {}

void on_write(png_structp png, png_bytep data, std::size_t size) {
  auto* out = static_cast<std::FILE*>(png_get_io_ptr(png));
  if (std::fwrite(data, 1, size, out) != size) png_error(png, "the file could not be written");
}

void on_flush(png_structp png) {
  auto* out = static_cast<std::FILE*>(png_get_io_ptr(png));
  if (std::fflush(out) != 0) png_error(png, "the file could not be written");
}

bool start(png_structp png, png_infop info, std::FILE* out, std::uint32_t width,
           std::uint32_t height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, on_write, on_flush);
#ifdef PNG_SET_USER_LIMITS_SUPPORTED
  // The default limit of a million lines would refuse a tall sheet.
  png_set_user_limits(png, kPngMaxSide, kPngMaxSide);
#endif
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color palette[kPaletteSize];
  for (int i = 0; i < kPaletteSize; ++i) {
    const Rgb c = palette_colour(i);
    palette[i] = {c.r, c.g, c.b};
  }
  png_set_PLTE(png, info, palette, kPaletteSize);
  // Filters rarely help an image of palette entries.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  return true;
}

bool write_line(png_structp png, const std::uint8_t* entries) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_write_row(png, entries);
  return true;
}

bool write_end(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_write_end(png, info);
  return true;
}

}  // namespace

PngWriter::~PngWriter() {
  auto png = static_cast<png_structp>(png_);
  auto info = static_cast<png_infop>(info_);
  if (png != nullptr) png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
}

bool PngWriter::begin(std::FILE* out, std::uint32_t width, std::uint32_t height) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, on_error, on_warning);
  if (png == nullptr) {
    error_ = "libpng could not start";
    return false;
  }
  png_ = png;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    error_ = "libpng could not start";
    return false;
  }
  info_ = info;
  return start(png, info, out, width, height);
}

bool PngWriter::line(const std::uint8_t* entries) {
  return write_line(static_cast<png_structp>(png_), entries);
}

bool PngWriter::finish() {
  return write_end(static_cast<png_structp>(png_), static_cast<png_infop>(info_));
}

}  // namespace neo::tileview
