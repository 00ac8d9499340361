#include "sheet.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace neo::tileview {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Sheet, PaletteIsAGreyRampOverADarkChecker) {
  int previous = -1;
  for (int i = 1; i <= 15; ++i) {
    const Rgb c = palette_colour(i);
    EXPECT_EQ(c.r, c.g) << i;
    EXPECT_EQ(c.g, c.b) << i;
    EXPECT_GT(c.r, previous) << i;
    previous = c.r;
  }
  EXPECT_EQ(palette_colour(15), (Rgb{255, 255, 255}));
  const Rgb dark = palette_colour(kCheckerDark), light = palette_colour(kCheckerLight);
  EXPECT_NE(dark, light);
  EXPECT_LT(light.r, palette_colour(1).r);
  EXPECT_LT(dark.r, palette_colour(1).r);
  const Rgb grid = palette_colour(kGrid);
  EXPECT_FALSE(grid.r == grid.g && grid.g == grid.b);  // no grey: never a pixel colour
  EXPECT_EQ(pixel_entry(0, 0, 0), kCheckerDark);
  EXPECT_EQ(pixel_entry(0, 1, 0), kCheckerLight);
  EXPECT_EQ(pixel_entry(0, 1, 1), kCheckerDark);
  EXPECT_EQ(pixel_entry(9, 1, 0), 9);
}

TEST(Sheet, LayoutSizes) {
  const SheetLayout full = make_layout(16, 2, 16, 256);
  EXPECT_EQ(full.cell(), 33u);
  EXPECT_EQ(full.width(), 529u);
  EXPECT_EQ(full.height(), 529u);
  const SheetLayout few = make_layout(16, 2, 16, 3);
  EXPECT_EQ(few.columns, 3u);
  EXPECT_EQ(few.width(), 100u);
  EXPECT_EQ(few.height(), 34u);
  const SheetLayout fix = make_layout(8, 1, 4, 9);
  EXPECT_EQ(fix.tile_rows(), 3u);
  EXPECT_EQ(fix.width(), 37u);
  EXPECT_EQ(fix.height(), 28u);
}

TEST(Sheet, LinesPlaceScaledPixelsBetweenGridLines) {
  const SheetLayout layout = make_layout(8, 3, 4, 6);  // a second row of 2 tiles
  Bytes pixels(2 * 64, 0);
  pixels[0] = 5;                // tile 0, pixel (0, 0)
  pixels[8 * 2 + 7] = 15;       // tile 0, pixel (7, 2)
  pixels[64 + 8 * 2 + 1] = 1;   // tile 1, pixel (1, 2)
  Bytes line(layout.width(), 0xEE);

  draw_line(layout, pixels.data(), 2, 0, line.data());
  EXPECT_EQ(line, Bytes(layout.width(), kGrid));

  draw_line(layout, pixels.data(), 2, 1, line.data());  // pixel row 0
  EXPECT_EQ(line[0], kGrid);
  EXPECT_EQ(line[1], 5);
  EXPECT_EQ(line[3], 5);
  EXPECT_EQ(line[4], kCheckerLight);  // pixel (1, 0) is transparent
  EXPECT_EQ(line[25], kGrid);         // between tile 0 and tile 1
  EXPECT_EQ(line[26], kCheckerDark);

  for (std::uint64_t l : {7u, 8u, 9u}) {  // pixel row 2, three lines
    draw_line(layout, pixels.data(), 2, l, line.data());
    EXPECT_EQ(line[1 + 3 * 7], 15) << l;
    EXPECT_EQ(line[1 + 3 * 7 + 2], 15) << l;
    EXPECT_EQ(line[26 + 3], 1) << l;
    EXPECT_EQ(line[26 + 5], 1) << l;
    EXPECT_EQ(line[26 + 6], kCheckerDark) << l;  // pixel (2, 2)
    for (std::size_t x = 2 * 25; x < layout.width(); ++x) EXPECT_EQ(line[x], kGrid) << x;
  }
}

TEST(Sheet, RenderFetchesEachRowOnceAndEmitsEveryLine) {
  const SheetLayout layout = make_layout(16, 1, 3, 7);
  std::vector<std::pair<std::uint64_t, std::size_t>> fetched;
  std::uint64_t lines = 0;
  Bytes last;
  const bool ok = render_sheet(
      layout,
      [&](std::uint64_t first, std::size_t n, std::uint8_t* pixels) {
        fetched.emplace_back(first, n);
        std::fill(pixels, pixels + n * 256, static_cast<std::uint8_t>(1 + first));
        return true;
      },
      [&](const std::uint8_t* line) {
        ++lines;
        last.assign(line, line + layout.width());
        return true;
      });
  EXPECT_TRUE(ok);
  EXPECT_EQ(fetched, (std::vector<std::pair<std::uint64_t, std::size_t>>{{0, 3}, {3, 3}, {6, 1}}));
  EXPECT_EQ(lines, layout.height());
  EXPECT_EQ(last, Bytes(layout.width(), kGrid));
}

TEST(Sheet, RenderStopsAtAFailure) {
  const SheetLayout layout = make_layout(8, 1, 2, 6);
  int fetches = 0, lines = 0;
  EXPECT_FALSE(render_sheet(
      layout, [&](std::uint64_t, std::size_t, std::uint8_t*) { return ++fetches < 2; },
      [&](const std::uint8_t*) { return ++lines, true; }));
  EXPECT_EQ(fetches, 2);
  EXPECT_EQ(lines, 9);  // the first row of tiles only
  lines = 0;
  EXPECT_FALSE(render_sheet(
      layout, [&](std::uint64_t, std::size_t, std::uint8_t*) { return true; },
      [&](const std::uint8_t*) { return ++lines < 4; }));
  EXPECT_EQ(lines, 4);
}

}  // namespace
}  // namespace neo::tileview
