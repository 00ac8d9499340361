#include "sheet.hpp"

#include <algorithm>
#include <vector>

namespace neo::tileview {

Rgb palette_colour(int entry) {
  if (entry == kCheckerDark) return {0x10, 0x10, 0x10};
  if (entry == kCheckerLight) return {0x24, 0x24, 0x24};
  if (entry == kGrid) return {0x3C, 0x5A, 0x96};
  // Index 1 starts well above the checker so a dark pixel never reads as transparent.
  const auto grey = static_cast<std::uint8_t>(64 + ((entry - 1) * 191 + 7) / 14);
  return {grey, grey, grey};
}

SheetLayout make_layout(int side, int scale, std::uint64_t columns, std::uint64_t count) {
  return {side, scale, std::min(columns, count), count};
}

void draw_line(const SheetLayout& layout, const std::uint8_t* pixels, std::size_t n,
               std::uint64_t line, std::uint8_t* out) {
  const std::size_t width = static_cast<std::size_t>(layout.width());
  std::fill(out, out + width, kGrid);
  if (line == 0) return;
  const int side = layout.side;
  const int scale = layout.scale;
  const int y = static_cast<int>((line - 1) / static_cast<std::uint64_t>(scale));
  const std::size_t cell = static_cast<std::size_t>(layout.cell());
  for (std::size_t t = 0; t < n; ++t) {
    const std::uint8_t* row = pixels + (t * side + y) * side;
    std::uint8_t* to = out + t * cell + 1;
    for (int x = 0; x < side; ++x) {
      std::fill(to, to + scale, pixel_entry(row[x], x, y));
      to += scale;
    }
  }
}

bool render_sheet(const SheetLayout& layout, const FetchTiles& fetch, const EmitLine& emit) {
  const std::size_t columns = static_cast<std::size_t>(layout.columns);
  const std::size_t area = static_cast<std::size_t>(layout.side) * static_cast<std::size_t>(layout.side);
  std::vector<std::uint8_t> pixels(columns * area);
  std::vector<std::uint8_t> line(static_cast<std::size_t>(layout.width()));
  for (std::uint64_t r = 0; r < layout.tile_rows(); ++r) {
    const std::uint64_t first = r * layout.columns;
    const std::size_t n = static_cast<std::size_t>(std::min(layout.columns, layout.count - first));
    if (!fetch(first, n, pixels.data())) return false;
    for (std::uint64_t l = 0; l < layout.cell(); ++l) {
      draw_line(layout, pixels.data(), n, l, line.data());
      if (!emit(line.data())) return false;
    }
  }
  std::fill(line.begin(), line.end(), kGrid);
  return emit(line.data());
}

}  // namespace neo::tileview
