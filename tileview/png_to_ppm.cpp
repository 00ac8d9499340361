// png_to_ppm IN.png OUT.ppm: the pixels of a PNG as a binary PPM, so shell
// tests can compare pictures and pick pixels with ordinary tools.
#include <cstdio>

#include "png_reader.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: png_to_ppm IN.png OUT.ppm\n", stderr);
    return 1;
  }
  const auto image = neo::tileview::read_png_rgb(argv[1]);
  if (!image) {
    std::fprintf(stderr, "png_to_ppm: %s is not a readable PNG\n", argv[1]);
    return 1;
  }
  std::FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr) return 1;
  std::fprintf(out, "P6\n%u %u\n255\n", image->width, image->height);
  const bool written = std::fwrite(image->rgb.data(), 1, image->rgb.size(), out) == image->rgb.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}
