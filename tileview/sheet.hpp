// A contact sheet: tiles side by side in rows, each tile pixel a square of
// `scale` sheet pixels, a one-pixel grid line around every tile. Sheet pixels
// are palette entries; the sheet is made one line at a time, so its size in
// memory is one row of tiles whatever the number of tiles.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

namespace neo::tileview {

// Palette entries 1-15 show colour indexes 1-15 as a grey ramp. Index 0,
// transparent, shows as a checker of the two dark entries.
inline constexpr std::uint8_t kCheckerDark = 0;
inline constexpr std::uint8_t kCheckerLight = 16;
inline constexpr std::uint8_t kGrid = 17;
inline constexpr int kPaletteSize = 18;

struct Rgb {
  std::uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb palette_colour(int entry);

// The entry drawn for colour index `index` at pixel (x, y) of a tile.
inline std::uint8_t pixel_entry(std::uint8_t index, int x, int y) {
  if (index != 0) return index;
  return (x + y) % 2 == 0 ? kCheckerDark : kCheckerLight;
}

struct SheetLayout {
  int side = 16;               // tile pixels a side
  int scale = 2;               // sheet pixels a tile pixel
  std::uint64_t columns = 16;  // tiles in a row of the sheet
  std::uint64_t count = 0;     // tiles drawn

  // A tile with the grid line on its left (or above it).
  std::uint64_t cell() const { return std::uint64_t(side) * std::uint64_t(scale) + 1; }
  std::uint64_t tile_rows() const { return (count + columns - 1) / columns; }
  std::uint64_t width() const { return columns * cell() + 1; }
  std::uint64_t height() const { return tile_rows() * cell() + 1; }
};

// A sheet of `count` tiles (at least one); fewer tiles than columns narrow it.
SheetLayout make_layout(int side, int scale, std::uint64_t columns, std::uint64_t count);

// Line `line` (0 to cell() - 1, 0 the grid line above) of a row of `n` tiles,
// whose pixels lie tile after tile in `pixels`, into `out` (width() entries).
// Cells past the n-th are left as grid.
void draw_line(const SheetLayout& layout, const std::uint8_t* pixels, std::size_t n,
               std::uint64_t line, std::uint8_t* out);

// Reads tiles [first, first + n) of the sheet into side^2 pixels each.
using FetchTiles = std::function<bool(std::uint64_t first, std::size_t n, std::uint8_t* pixels)>;
// Takes one sheet line of width() entries.
using EmitLine = std::function<bool(const std::uint8_t* line)>;

// The whole sheet, top line first. False as soon as a fetch or emit fails.
bool render_sheet(const SheetLayout& layout, const FetchTiles& fetch, const EmitLine& emit);

}  // namespace neo::tileview
