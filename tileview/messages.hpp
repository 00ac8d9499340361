// The texts of tileview. It is not one of the four tools, so its texts live
// here and follow the usual conventions of a modern command-line program.
// Formats take their numbers already turned into text: every placeholder is %s.
#pragma once

namespace neo::tileview::msg {

inline constexpr const char* kUsage =
    "usage: tileview INPUT -o SHEET.png [--first N] [--count N] [--columns N] [--scale N]\n"
    "Draws tiles as a PNG contact sheet.\n"
    "\n"
    "INPUT is one of:\n"
    "  --sprites C1 C2   the sprite tiles of a C ROM pair, as pellimar cuts it\n"
    "                    (C1 holds the image's even bytes, C2 its odd bytes)\n"
    "  --packed FILE     packed-pixel sprite tiles, as pellimar reads them\n"
    "  --fix S1          the 8 x 8 fix tiles of an S ROM, as ostrim writes it\n"
    "  --fix-rows FILE   fix tiles in row order, as ostrim reads them\n"
    "\n"
    "  -o, --output FILE the PNG file to write\n"
    "  --first N         the first tile drawn, hexadecimal (default 0)\n"
    "  --count N         how many tiles, hexadecimal (default: the rest, at most\n"
    "                    1000, that is 4096)\n"
    "  --columns N       tiles in a row of the sheet, 1 to 1024 (default 16)\n"
    "  --scale N         sheet pixels a tile pixel, 1 to 16 (default 2)\n"
    "  -h, --help        this text\n"
    "\n"
    "Colour index 0, the transparent one, shows as a dark checker; 1 to 15 as a\n"
    "grey ramp up to white. A grid line separates the tiles.\n"
    "\n"
    "example: tileview --sprites 250-c1.bin 250-c2.bin --first 100 --count 40 -o sheet.png\n";

inline constexpr const char* kPrefix = "tileview: ";
inline constexpr const char* kTryHelp = "Try 'tileview --help' for more.\n";

// Options.
inline constexpr const char* kUnknownOption = "unknown option %s\n";
inline constexpr const char* kUnexpected = "unexpected argument %s\n";
inline constexpr const char* kNeedsValue = "option %s needs a value\n";
inline constexpr const char* kNeedsPair = "--sprites needs two files: C1 and C2\n";
inline constexpr const char* kTwoInputs = "only one input at a time: %s and %s both give one\n";
inline constexpr const char* kTwoOutputs = "only one output at a time\n";
inline constexpr const char* kNoInput = "no input: give --sprites, --packed, --fix or --fix-rows\n";
inline constexpr const char* kNoOutput = "no output: give -o FILE\n";
inline constexpr const char* kNotHex = "%s %s is not a hexadecimal number of at most 8 digits\n";
inline constexpr const char* kOutOfRange = "%s %s is not a number from %s to %s\n";
inline constexpr const char* kCountZero = "--count 0 draws nothing\n";

// Files.
inline constexpr const char* kCannotOpen = "%s: cannot open the file\n";
inline constexpr const char* kIsFolder = "%s: is a folder\n";
inline constexpr const char* kNotMeasurable = "%s: cannot be measured: not a seekable file\n";
inline constexpr const char* kNoWholeTile = "%s: holds no whole tile (%s bytes; a tile takes %s)\n";
inline constexpr const char* kPairLengths =
    "%s and %s differ in length (%s and %s bytes); the halves of a C ROM pair are "
    "equally long\n";
inline constexpr const char* kFirstPast =
    "--first %s is past the last tile: the input holds %s tiles (hexadecimal)\n";
inline constexpr const char* kTooTall =
    "the sheet would be %s pixels tall, more than a PNG holds: draw fewer tiles "
    "(--count) or more a row (--columns)\n";
inline constexpr const char* kIsInput = "%s: is an input file\n";
inline constexpr const char* kCannotCreate = "%s: cannot create the file\n";
inline constexpr const char* kReadError = "%s: read error\n";
inline constexpr const char* kWriteError = "%s: %s\n";

// Success.
inline constexpr const char* kWrote =
    "%s: tiles %s to %s of %s (hexadecimal), %s a row, %s x %s pixels\n";
inline constexpr const char* kCapped =
    "Only the first %s tiles (hexadecimal) are drawn; choose others with --first "
    "and --count.\n";

}  // namespace neo::tileview::msg
