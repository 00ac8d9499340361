#include "tileview.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "png_reader.hpp"
#include "sheet.hpp"
#include "split.hpp"
#include "swaps.hpp"
#include "tile_planes.hpp"

namespace neo::tileview {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Parsed parse(std::vector<std::string> args) {
  args.insert(args.begin(), "tileview");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  return parse_options(static_cast<int>(args.size()), argv.data());
}

TEST(Options, ReadsEveryOption) {
  const Parsed p = parse({"--sprites", "a.c1", "a.c2", "-o", "s.png", "--first", "1F0", "--count=0x40",
                          "--columns", "8", "--scale=3"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.kind, Kind::sprites);
  EXPECT_EQ(p.options.inputs, (std::vector<std::string>{"a.c1", "a.c2"}));
  EXPECT_EQ(p.options.output, "s.png");
  EXPECT_EQ(p.options.first, 0x1F0u);
  EXPECT_EQ(p.options.count, 0x40u);
  EXPECT_EQ(p.options.columns, 8u);
  EXPECT_EQ(p.options.scale, 3);

  const Parsed d = parse({"--fix-rows=rows.bin", "--output=f.png"});
  ASSERT_EQ(d.error, "");
  EXPECT_EQ(d.options.kind, Kind::fix_rows);
  EXPECT_EQ(d.options.inputs, std::vector<std::string>{"rows.bin"});
  EXPECT_EQ(d.options.first, 0u);
  EXPECT_FALSE(d.options.count);
  EXPECT_EQ(d.options.columns, 16u);
  EXPECT_EQ(d.options.scale, 2);
  EXPECT_EQ(parse({"--fix", "s1", "-o", "x"}).options.kind, Kind::fix);
  EXPECT_EQ(parse({"--packed", "t", "-o", "x"}).options.kind, Kind::packed);
  EXPECT_TRUE(parse({"--bogus", "-h"}).error != "");  // read in order
  EXPECT_TRUE(parse({"--packed", "t", "--help", "--bogus"}).options.help);
  EXPECT_TRUE(parse({"-h"}).options.help);
}

TEST(Options, RefusesWrongArguments) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--packed", "t"}, "no output: give -o FILE\n"},
      {{"-o", "x.png"}, "no input: give --sprites, --packed, --fix or --fix-rows\n"},
      {{"--packed", "t", "-o", "x", "--wide"}, "unknown option --wide\n"},
      {{"--packed", "t", "-o", "x", "extra"}, "unexpected argument extra\n"},
      {{"--packed"}, "option --packed needs a value\n"},
      {{"--packed=", "-o", "x"}, "option --packed needs a value\n"},
      {{"--sprites", "c1"}, "--sprites needs two files: C1 and C2\n"},
      {{"--sprites=c1", "c2", "-o", "x"}, "--sprites needs two files: C1 and C2\n"},
      {{"--packed", "t", "--fix", "s", "-o", "x"},
       "only one input at a time: --packed and --fix both give one\n"},
      {{"--packed", "t", "-o", "x", "-o", "y"}, "only one output at a time\n"},
      {{"--packed", "t", "-o", "x", "--first", "12g"},
       "--first 12g is not a hexadecimal number of at most 8 digits\n"},
      {{"--packed", "t", "-o", "x", "--first", "-1"},
       "--first -1 is not a hexadecimal number of at most 8 digits\n"},
      {{"--packed", "t", "-o", "x", "--count", "100000000"},
       "--count 100000000 is not a hexadecimal number of at most 8 digits\n"},
      {{"--packed", "t", "-o", "x", "--count", "0x"},
       "--count 0x is not a hexadecimal number of at most 8 digits\n"},
      {{"--packed", "t", "-o", "x", "--count", "0"}, "--count 0 draws nothing\n"},
      {{"--packed", "t", "-o", "x", "--columns", "0"}, "--columns 0 is not a number from 1 to 1024\n"},
      {{"--packed", "t", "-o", "x", "--columns", "1025"},
       "--columns 1025 is not a number from 1 to 1024\n"},
      {{"--packed", "t", "-o", "x", "--scale", "17"}, "--scale 17 is not a number from 1 to 16\n"},
      {{"--packed", "t", "-o", "x", "--scale", "2x"}, "--scale 2x is not a number from 1 to 16\n"},
  };
  for (const auto& c : cases) {
    const Parsed p = parse(c.args);
    EXPECT_EQ(p.error, c.error) << c.args[0] << ' ' << c.args.back();
    EXPECT_FALSE(p.options.help);
  }
  // Leading zeros do not count as digits.
  EXPECT_EQ(parse({"--packed", "t", "-o", "x", "--count", "0x000000001000"}).options.count, 0x1000u);
}

TEST(Range, DefaultCountIsCappedAndExplicitCountClamped) {
  const auto small = choose_range(256, 0, std::nullopt);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->count, 256u);
  EXPECT_FALSE(small->capped);
  const auto pair64 = choose_range(524288, 0x10, std::nullopt);  // a 64 MiB C ROM pair
  ASSERT_TRUE(pair64);
  EXPECT_EQ(pair64->first, 0x10u);
  EXPECT_EQ(pair64->count, kDefaultCount);
  EXPECT_EQ(kDefaultCount, 4096u);
  EXPECT_TRUE(pair64->capped);
  const auto exact = choose_range(4096 + 5, 5, std::nullopt);
  EXPECT_EQ(exact->count, 4096u);
  EXPECT_FALSE(exact->capped);
  EXPECT_EQ(choose_range(524288, 0, 0x10000)->count, 0x10000u);
  EXPECT_EQ(choose_range(100, 90, 0x40)->count, 10u);
  EXPECT_FALSE(choose_range(100, 100, std::nullopt));
  EXPECT_FALSE(choose_range(100, 0xFFFFFFFF, 1));
}

// Runs of the whole program over files in a scratch folder.
class TileviewRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("neo-tileview-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  void write(const std::string& name, const Bytes& data) const {
    std::FILE* f = std::fopen(path(name).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fwrite(data.data(), 1, data.size(), f), data.size());
    ASSERT_EQ(std::fclose(f), 0);
  }

  static std::string contents(std::FILE* f) {
    std::rewind(f);
    std::string s;
    for (int c; (c = std::fgetc(f)) != EOF;) s.push_back(static_cast<char>(c));
    return s;
  }

  // Arguments naming files are taken inside the scratch folder.
  int run_tileview(std::vector<std::string> args) {
    args.insert(args.begin(), "tileview");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    Console con{std::tmpfile(), std::tmpfile(), std::tmpfile()};
    const int status = run(static_cast<int>(args.size()), argv.data(), con);
    out_ = contents(con.out);
    err_ = contents(con.err);
    std::fclose(con.in);
    std::fclose(con.out);
    std::fclose(con.err);
    return status;
  }

  RgbImage picture(const std::string& name) const {
    const auto image = read_png_rgb(path(name));
    EXPECT_TRUE(image) << name;
    return image.value_or(RgbImage{});
  }

  fs::path dir_;
  std::string out_, err_;
};

Bytes random_bytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

// The C ROM pair as galdrun's output goes through pellimar: the planar image
// cut at parity 0 and parity 1 from start 0.
std::pair<Bytes, Bytes> c_rom_pair(const Bytes& packed) {
  Bytes image(packed.size());
  sprites::to_planar(packed.data(), image.data(), packed.size());
  Bytes c1(packed.size() / 2), c2(packed.size() / 2);
  sprites::gather_split(image.data(), 0, c1.size(), c1.data());
  sprites::gather_split(image.data(), 1, c2.size(), c2.data());
  return {c1, c2};
}

std::size_t distinct_colours(const RgbImage& image) {
  std::vector<std::uint32_t> seen;
  for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
    const std::uint32_t c = image.rgb[i] << 16 | image.rgb[i + 1] << 8 | image.rgb[i + 2];
    if (std::find(seen.begin(), seen.end(), c) == seen.end()) seen.push_back(c);
  }
  return seen.size();
}

TEST_F(TileviewRun, PackedTilesAndTheirCRomPairGiveTheSamePicture) {
  const Bytes packed = random_bytes(37 * 128, 1);
  const auto [c1, c2] = c_rom_pair(packed);
  write("tiles.swp", packed);
  write("c1.bin", c1);
  write("c2.bin", c2);
  ASSERT_EQ(run_tileview({"--packed", path("tiles.swp"), "-o", path("packed.png"), "--columns", "5"}), 0)
      << err_;
  ASSERT_EQ(run_tileview({"--sprites", path("c1.bin"), path("c2.bin"), "-o", path("pair.png"), "--columns",
                      "5"}),
            0)
      << err_;
  const RgbImage a = picture("packed.png"), b = picture("pair.png");
  EXPECT_EQ(a.width, 5u * 33 + 1);
  EXPECT_EQ(a.height, 8u * 33 + 1);
  EXPECT_EQ(b.width, a.width);
  EXPECT_EQ(b.height, a.height);
  EXPECT_TRUE(a.rgb == b.rgb);
  EXPECT_EQ(distinct_colours(a), 18u);  // 15 greys, the checker, the grid

  // A pair given the wrong way round is a different picture.
  ASSERT_EQ(run_tileview({"--sprites", path("c2.bin"), path("c1.bin"), "-o", path("swapped.png"),
                      "--columns", "5"}),
            0);
  EXPECT_FALSE(picture("swapped.png").rgb == a.rgb);
}

TEST_F(TileviewRun, FirstAndCountPickTheSameTilesFromEitherInput) {
  const Bytes packed = random_bytes(300 * 128, 2);
  const auto [c1, c2] = c_rom_pair(packed);
  write("tiles.swp", packed);
  write("c1.bin", c1);
  write("c2.bin", c2);
  ASSERT_EQ(run_tileview({"--packed", path("tiles.swp"), "-o", path("a.png"), "--first", "101", "--count",
                      "1A", "--scale", "1"}),
            0);
  EXPECT_EQ(out_, path("a.png") + ": tiles 101 to 11A of 12C (hexadecimal), 16 a row, 273 x 35 pixels\n");
  ASSERT_EQ(run_tileview({"--sprites", path("c1.bin"), path("c2.bin"), "-o", path("b.png"), "--first",
                      "101", "--count", "1A", "--scale", "1"}),
            0);
  EXPECT_TRUE(picture("a.png").rgb == picture("b.png").rgb);

  // Tile 0x101 alone is the first tile of the sheet above.
  write("one.swp", Bytes(packed.begin() + 0x101 * 128, packed.begin() + 0x102 * 128));
  ASSERT_EQ(run_tileview({"--packed", path("one.swp"), "-o", path("one.png"), "--scale", "1"}), 0);
  const RgbImage one = picture("one.png"), a = picture("a.png");
  ASSERT_EQ(one.width, 18u);
  for (std::uint32_t y = 0; y < 18; ++y)
    for (std::uint32_t x = 0; x < 18; ++x)
      ASSERT_EQ(std::vector<std::uint8_t>(one.at(x, y), one.at(x, y) + 3),
                std::vector<std::uint8_t>(a.at(x, y), a.at(x, y) + 3))
          << x << ' ' << y;
}

TEST_F(TileviewRun, FixRowsAndTheirSRomGiveTheSamePicture) {
  const Bytes rows = random_bytes(45 * 32, 3);
  Bytes s(rows.size());
  swaps::fix_tile_order(rows.data(), s.data(), 45);
  write("sfix", rows);
  write("s1.bin", s);
  ASSERT_EQ(run_tileview({"--fix-rows", path("sfix"), "-o", path("rows.png")}), 0) << err_;
  ASSERT_EQ(run_tileview({"--fix", path("s1.bin"), "-o", path("s1.png")}), 0) << err_;
  const RgbImage a = picture("rows.png"), b = picture("s1.png");
  EXPECT_EQ(a.width, 16u * 17 + 1);
  EXPECT_EQ(a.height, 3u * 17 + 1);
  EXPECT_TRUE(a.rgb == b.rgb);
  EXPECT_EQ(distinct_colours(a), 18u);
  // The rows file read as an S ROM is not the same picture.
  ASSERT_EQ(run_tileview({"--fix", path("sfix"), "-o", path("wrong.png")}), 0);
  EXPECT_FALSE(picture("wrong.png").rgb == a.rgb);
}

using Colour = std::vector<std::uint8_t>;

Colour colour_at(const RgbImage& image, std::uint32_t x, std::uint32_t y) {
  return Colour(image.at(x, y), image.at(x, y) + 3);
}

Colour entry(int e) {
  const Rgb c = palette_colour(e);
  return {c.r, c.g, c.b};
}

TEST_F(TileviewRun, HandMadeSpriteTilePixelsLandInPlace) {
  // Two packed tiles: the first with marks in its corners and one inside,
  // the second filled with index 7.
  Bytes tiles(2 * 128, 0);
  auto set = [&](int tile, int x, int y, int v) {
    std::uint8_t& b = tiles[128 * tile + 8 * y + x / 2];
    b = static_cast<std::uint8_t>(x % 2 == 0 ? (b & 0xF0) | v : (b & 0x0F) | v << 4);
  };
  set(0, 0, 0, 1);
  set(0, 15, 0, 2);
  set(0, 0, 15, 3);
  set(0, 15, 15, 15);
  set(0, 5, 3, 10);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) set(1, x, y, 7);
  write("hand.swp", tiles);
  const auto [c1, c2] = c_rom_pair(tiles);
  write("hand-c1.bin", c1);
  write("hand-c2.bin", c2);

  for (const char* kind : {"packed", "sprites"}) {
    std::vector<std::string> args = {"-o", path(std::string(kind) + ".png"), "--scale", "3"};
    if (std::string(kind) == "packed") args.insert(args.begin(), {"--packed", path("hand.swp")});
    else args.insert(args.begin(), {"--sprites", path("hand-c1.bin"), path("hand-c2.bin")});
    ASSERT_EQ(run_tileview(args), 0) << err_;
    const RgbImage image = picture(std::string(kind) + ".png");
    ASSERT_EQ(image.width, 2u * 49 + 1) << kind;
    ASSERT_EQ(image.height, 49u + 1) << kind;
    // Tile pixel (x, y) of tile t covers sheet pixels 1 + 49t + 3x .. + 2, 1 + 3y .. + 2.
    auto at = [&](int t, int x, int y, int dx, int dy) {
      return colour_at(image, static_cast<std::uint32_t>(1 + 49 * t + 3 * x + dx),
                       static_cast<std::uint32_t>(1 + 3 * y + dy));
    };
    for (int d = 0; d < 3; ++d) {
      EXPECT_EQ(at(0, 0, 0, d, 2 - d), entry(1)) << kind;
      EXPECT_EQ(at(0, 15, 0, d, d), entry(2)) << kind;
      EXPECT_EQ(at(0, 0, 15, d, d), entry(3)) << kind;
      EXPECT_EQ(at(0, 15, 15, 2 - d, d), entry(15)) << kind;
      EXPECT_EQ(at(0, 5, 3, d, d), entry(10)) << kind;
      EXPECT_EQ(at(1, 8, 8, d, d), entry(7)) << kind;
    }
    EXPECT_EQ(at(0, 1, 0, 0, 0), entry(kCheckerLight)) << kind;
    EXPECT_EQ(at(0, 1, 1, 0, 0), entry(kCheckerDark)) << kind;
    EXPECT_EQ(at(0, 4, 3, 0, 0), entry(kCheckerLight)) << kind;
    for (std::uint32_t y = 0; y < image.height; ++y) {
      EXPECT_EQ(colour_at(image, 0, y), entry(kGrid)) << kind;
      EXPECT_EQ(colour_at(image, 49, y), entry(kGrid)) << kind;
      EXPECT_EQ(colour_at(image, 98, y), entry(kGrid)) << kind;
    }
    for (std::uint32_t x = 0; x < image.width; ++x) {
      EXPECT_EQ(colour_at(image, x, 0), entry(kGrid)) << kind;
      EXPECT_EQ(colour_at(image, x, 49), entry(kGrid)) << kind;
    }
  }
}

TEST_F(TileviewRun, HandMadeFixTilePixelsLandInPlace) {
  // A fix tile written straight in the S ROM's layout: group k, byte y is
  // row y's byte (k + 2) % 4; and the same tile in row order.
  Bytes rows(32, 0), s(32, 0);
  rows[0] = 0x01;          // pixel (0, 0) = 1
  rows[4 * 7 + 3] = 0xF0;  // pixel (7, 7) = F
  rows[4 * 2 + 1] = 0x90;  // pixel (3, 2) = 9
  s[8 * 2 + 0] = 0x01;
  s[8 * 1 + 7] = 0xF0;
  s[8 * 3 + 2] = 0x90;
  write("rows", rows);
  write("s1", s);
  for (const char* option : {"--fix-rows", "--fix"}) {
    const std::string file = std::string(option) == "--fix" ? "s1" : "rows";
    ASSERT_EQ(run_tileview({option, path(file), "-o", path(file + ".png"), "--scale", "1"}), 0) << err_;
    const RgbImage image = picture(file + ".png");
    ASSERT_EQ(image.width, 10u);
    ASSERT_EQ(image.height, 10u);
    EXPECT_EQ(colour_at(image, 1, 1), entry(1)) << option;
    EXPECT_EQ(colour_at(image, 8, 8), entry(15)) << option;
    EXPECT_EQ(colour_at(image, 4, 3), entry(9)) << option;
    EXPECT_EQ(colour_at(image, 2, 1), entry(kCheckerLight)) << option;
    EXPECT_EQ(colour_at(image, 9, 9), entry(kGrid)) << option;
  }
}

TEST_F(TileviewRun, DefaultCountDrawsAtMost4096Tiles) {
  write("big.swp", Bytes(4100 * 128 + 5, 0x11));
  ASSERT_EQ(run_tileview({"--packed", path("big.swp"), "-o", path("big.png"), "--scale", "1"}), 0);
  const RgbImage image = picture("big.png");
  EXPECT_EQ(image.width, 16u * 17 + 1);
  EXPECT_EQ(image.height, 256u * 17 + 1);
  EXPECT_EQ(out_, path("big.png") +
                      ": tiles 0 to FFF of 1004 (hexadecimal), 16 a row, 273 x 4353 pixels\n"
                      "Only the first 1000 tiles (hexadecimal) are drawn; choose others with "
                      "--first and --count.\n");
  ASSERT_EQ(run_tileview({"--packed", path("big.swp"), "-o", path("all.png"), "--count", "2000"}), 0);
  EXPECT_EQ(picture("all.png").height, 257u * 33 + 1);
}

TEST_F(TileviewRun, BadFilesEndWithStatusOneAndNoSheet) {
  write("c1.bin", Bytes(128, 0));
  write("c2.bin", Bytes(64, 0));
  write("short", Bytes(127, 0));
  write("tiles", Bytes(256, 0));
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"--packed", path("missing")}, path("missing") + ": cannot open the file\n"},
      {{"--packed", dir_.string()}, dir_.string() + ": is a folder\n"},
      {{"--packed", path("short")}, path("short") + ": holds no whole tile (127 bytes; a tile takes 128)\n"},
      {{"--fix", path("tiles"), "--first", "8"},
       "--first 8 is past the last tile: the input holds 8 tiles (hexadecimal)\n"},
      {{"--sprites", path("c1.bin"), path("c2.bin")},
       path("c1.bin") + " and " + path("c2.bin") +
           " differ in length (128 and 64 bytes); the halves of a C ROM pair are equally long\n"},
      {{"--packed", path("tiles"), "--count", "FFFFFFFF", "--columns", "1"},
       ""},  // fits: two tiles
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", path("out.png")});
    const int status = run_tileview(args);
    if (c.error.empty()) {
      EXPECT_EQ(status, 0) << err_;
      fs::remove(path("out.png"));
      continue;
    }
    EXPECT_EQ(status, 1) << c.args[1];
    EXPECT_EQ(err_, "tileview: " + c.error);
    EXPECT_EQ(out_, "");
    EXPECT_FALSE(fs::exists(path("out.png"))) << c.args[1];
  }
}

TEST_F(TileviewRun, AnInputIsNeverOverwritten) {
  const Bytes tiles = random_bytes(256, 4);
  write("tiles", tiles);
  EXPECT_EQ(run_tileview({"--packed", path("tiles"), "-o", path("tiles")}), 1);
  EXPECT_EQ(err_, "tileview: " + path("tiles") + ": is an input file\n");
  EXPECT_EQ(fs::file_size(path("tiles")), 256u);
  write("c2", tiles);
  EXPECT_EQ(run_tileview({"--sprites", path("tiles"), path("c2"), "-o", path("c2")}), 1);
  EXPECT_EQ(fs::file_size(path("c2")), 256u);
}

TEST_F(TileviewRun, HelpAndUsage) {
  EXPECT_EQ(run_tileview({"--help"}), 0);
  EXPECT_NE(out_.find("usage: tileview"), std::string::npos);
  EXPECT_NE(out_.find("--fix-rows FILE"), std::string::npos);
  EXPECT_EQ(err_, "");
  EXPECT_EQ(run_tileview({}), 1);
  EXPECT_NE(err_.find("usage: tileview"), std::string::npos);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(run_tileview({"--packed", "x", "-o"}), 1);
  EXPECT_EQ(err_, "tileview: option -o needs a value\nTry 'tileview --help' for more.\n");
}

#ifdef __linux__
TEST_F(TileviewRun, WriteFailureIsReported) {
  write("tiles", Bytes(128 * 64, 0x5A));
  EXPECT_EQ(run_tileview({"--packed", path("tiles"), "-o", "/dev/full"}), 1);
  EXPECT_EQ(err_, "tileview: /dev/full: the file could not be written\n");
}
#endif

}  // namespace
}  // namespace neo::tileview
