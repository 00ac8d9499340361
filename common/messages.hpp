// Every text the tools print, in one place. Formats take their numbers
// already turned into text (see printed.hpp), so every placeholder is %s.
#pragma once

namespace neo::msg {

// Shared by the four tools.
inline constexpr const char* kInputLine = "Input  file : %s\n";
inline constexpr const char* kOutputLine = "Output file : %s\n";
inline constexpr const char* kNotFound = "File %s not found.\n";
inline constexpr const char* kCreateError = "File %s create error.\n";
inline constexpr const char* kDone = "Done.\n";
inline constexpr const char* kReadError = "File %s read error.\n";
inline constexpr const char* kWriteError = "File %s write error.\n";
inline constexpr const char* kIsInputFile = "File %s is the input file.\n";

// pellimar
inline constexpr const char* kPellimarUsage = "usage: pellimar [Tiles File]\n";
inline constexpr const char* kPellimarExample = " (pellimar mslugx_game_tiles.swp)\n";
inline constexpr const char* kStartupFailed = "Fatal Error: MFC initialization failed";
inline constexpr const char* kSuccess = "Success.\n- 2nd Stage : ROM Split mode -\n";
inline constexpr const char* kLengthLine = "Length = %s (%s bytes)\n";
inline constexpr const char* kNotMeasurable =
    "File %s cannot be measured: it is not a seekable file.\n";
inline constexpr const char* kTooLarge = "File %s is too large: 2 GiB or more.\n";
inline constexpr const char* kNoMemory = "File %s does not fit in memory.\n";
inline constexpr const char* kStartPrompt = "Start Address (-1=Quit) : ";
inline constexpr const char* kParityPrompt = "Odd Line or Even Line(0=Odd 1=Even) : ";
inline constexpr const char* kSizePrompt = "Split Size : ";
inline constexpr const char* kNamePrompt = "Out FileName : ";
inline constexpr const char* kOutsideImage =
    "File %s not written: the request reads outside the image of %s bytes.\n";
inline constexpr const char* kAnswersEnded =
    "\nInput ended in the middle of a request; nothing written for it.\n";
inline constexpr const char* kIsTileFile = "File %s is the tile file.\n";
inline constexpr const char* kBadName = "File name with a NUL byte refused.\n";

// galdrun
inline constexpr const char* kGaldrunBanner = "Android NEOGEO game_tiles Byte Swapper v0.00\n";
inline constexpr const char* kGaldrunUsage = "usage: galdrun [Input File] [Output File]\n";
inline constexpr const char* kGaldrunExample = " (galdrun mslugx_tiles 250-c.bin)\n";

// ostrim
inline constexpr const char* kOstrimBanner = "Android NEOGEO game_sfix Byte Swapper v0.00\n";
inline constexpr const char* kOstrimUsage = "usage: ostrim [Input File] [Output File]\n";
inline constexpr const char* kOstrimExample = " (ostrim blazstar_game_sfix 239-s1.bin)\n";

// vendrel
inline constexpr const char* kVendrelUsage =
    "usage: vendrel [Target file] [Out file] [Start addr(HEX)] [Cut size(HEX)]\n";
inline constexpr const char* kVendrelExample =
    " (vendrel mslugx_game_m68k 250-p2.bin 100000 400000)\n";
inline constexpr const char* kStartLine = "Start  addr : %s(%s) bytes.\n";
inline constexpr const char* kCutSizeLine = "Cuttingsize : %s(%s) bytes.\n";

}  // namespace neo::msg
