// Makes a small sample of a port's data files, drawn so that a picture of
// the ROMs built from them shows at a glance whether tiles come out upright,
// unmirrored and in order: hexadecimal digits, a circle, a gradient.
//
//   make_samples DIR  ->  DIR/sample_game_tiles  (sprite tiles as a port stores them)
//                         DIR/sample_game_sfix   (fix tiles in row order)
//                         DIR/sample_game_m68k   (a program file)
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "swaps.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

// 5 x 7 glyphs of the hexadecimal digits, one row a byte, bit 4 the left pixel.
constexpr std::uint8_t kGlyphs[16][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E},
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C},
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10},
};

bool glyph_pixel(int digit, int x, int y) {
  return x >= 0 && x < 5 && y >= 0 && y < 7 && (kGlyphs[digit][y] >> (4 - x) & 1) != 0;
}

// A picture of `size` x `size` pixels, one 4-bit colour index a pixel.
using Picture = std::vector<std::vector<int>>;

Picture sprite_picture(int n) {
  Picture p(16, std::vector<int>(16, 0));
  const int kind = n % 20;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      if (kind < 16) {
        // A digit drawn twice its size, over a one-pixel frame of its colour.
        const bool frame = x == 0 || y == 0 || x == 15 || y == 15;
        if (glyph_pixel(kind, (x - 3) / 2, (y - 1) / 2) && x >= 3 && y >= 1) p[y][x] = 15;
        else if (frame) p[y][x] = 1 + (kind + n / 20) % 15;
      } else if (kind == 16) {
        const int dx = 2 * x - 15, dy = 2 * y - 15;
        const int r2 = dx * dx + dy * dy;
        p[y][x] = r2 <= 225 ? (r2 >= 144 ? 12 : 4) : 0;
      } else if (kind == 17) {
        p[y][x] = x;  // every index, left to right
      } else if (kind == 18) {
        p[y][x] = y;  // every index, top to bottom
      } else {
        p[y][x] = (x <= y) ? 9 : 0;  // a triangle: shows any flip
      }
    }
  return p;
}

// Packed pixels: row r at 8r, pixel 2k in the low nibble of byte k.
Bytes pack_sprite(const Picture& p) {
  Bytes tile(128);
  for (int y = 0; y < 16; ++y)
    for (int k = 0; k < 8; ++k)
      tile[8 * y + k] = static_cast<std::uint8_t>(p[y][2 * k] | p[y][2 * k + 1] << 4);
  return tile;
}

// Fix tiles in row order: byte 4y + x holds pixels 2x (low nibble) and 2x + 1.
Bytes fix_tile(int n) {
  Bytes tile(32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      int v = 0;
      if (n < 16) v = glyph_pixel(n, x - 1, y) ? 15 : (y == 7 ? 1 + n % 15 : 0);
      else v = (x + 8 * (n % 2)) % 16;  // gradient halves
      tile[4 * y + x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? v : v << 4);
    }
  return tile;
}

bool write_file(const std::string& path, const Bytes& data) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";

  Bytes tiles;
  for (int n = 0; n < 256; ++n) {
    const Bytes t = pack_sprite(sprite_picture(n));
    tiles.insert(tiles.end(), t.begin(), t.end());
  }
  // A port stores every 4-byte group with its pixels reversed; galdrun undoes it.
  neo::swaps::reverse_nibbles(tiles.data(), tiles.data(), tiles.size() / 4);

  Bytes sfix;
  for (int n = 0; n < 32; ++n) {
    const Bytes t = fix_tile(n);
    sfix.insert(sfix.end(), t.begin(), t.end());
  }

  Bytes program(0x180000);
  std::uint32_t x = 0x12345678;
  for (auto& b : program) {
    x = x * 1664525u + 1013904223u;
    b = static_cast<std::uint8_t>(x >> 24);
  }

  if (!write_file(dir + "/sample_game_tiles", tiles) || !write_file(dir + "/sample_game_sfix", sfix) ||
      !write_file(dir + "/sample_game_m68k", program)) {
    std::fprintf(stderr, "make_samples: cannot write the sample files in %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
