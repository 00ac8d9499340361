#include "tileview.hpp"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include "hex_number.hpp"
#include "messages.hpp"
#include "platform.hpp"
#include "png_writer.hpp"
#include "sheet.hpp"
#include "streams.hpp"

namespace neo::tileview {
namespace {

// A message format with its %s filled in order.
std::string fill(const char* format, std::initializer_list<std::string> values) {
  std::string text;
  auto next = values.begin();
  for (const char* p = format; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == 's' && next != values.end()) {
      text += *next++;
      ++p;
    } else {
      text.push_back(*p);
    }
  }
  return text;
}

std::string hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%" PRIX64, value);
  return text;
}

std::string decimal(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%" PRIu64, value);
  return text;
}

bool is_hex_digit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Stricter than the tools' dialogue: a typing slip is an error, not a zero.
std::optional<std::uint32_t> hex_option(const std::string& text) {
  std::size_t i = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? 2 : 0;
  if (i == text.size()) return std::nullopt;
  if (!std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(), is_hex_digit))
    return std::nullopt;
  while (i + 1 < text.size() && text[i] == '0') ++i;
  if (text.size() - i > 8) return std::nullopt;
  return read_hex_number(text);
}

std::optional<std::uint64_t> decimal_option(const std::string& text, std::uint64_t low,
                                            std::uint64_t high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

struct InputOption {
  const char* name;
  Kind kind;
};

constexpr InputOption kInputOptions[] = {
    {"--packed", Kind::packed}, {"--fix", Kind::fix}, {"--fix-rows", Kind::fix_rows}};

}  // namespace

Parsed parse_options(int argc, char** argv) {
  Parsed parsed;
  Options& o = parsed.options;
  std::string input_option;
  auto error = [&](std::string text) {
    parsed.error = std::move(text);
    return parsed;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      o.help = true;
      return parsed;
    }
    std::string name = arg;
    std::optional<std::string> attached;  // --name=value
    if (arg.rfind("--", 0) == 0) {
      if (const auto eq = arg.find('='); eq != std::string::npos) {
        name = arg.substr(0, eq);
        attached = arg.substr(eq + 1);
      }
    }
    std::string value;
    auto take_value = [&]() {
      if (attached) value = *attached;
      else if (i + 1 < argc) value = argv[++i];
      else return false;
      return !value.empty();
    };

    if (name == "--sprites") {
      if (attached || i + 2 >= argc) return error(msg::kNeedsPair);
      if (o.kind) return error(fill(msg::kTwoInputs, {input_option, name}));
      o.kind = Kind::sprites;
      o.inputs = {argv[i + 1], argv[i + 2]};
      input_option = name;
      i += 2;
      continue;
    }
    const auto input = std::find_if(std::begin(kInputOptions), std::end(kInputOptions),
                                    [&](const InputOption& k) { return name == k.name; });
    if (input != std::end(kInputOptions)) {
      if (!take_value()) return error(fill(msg::kNeedsValue, {name}));
      if (o.kind) return error(fill(msg::kTwoInputs, {input_option, name}));
      o.kind = input->kind;
      o.inputs = {value};
      input_option = name;
    } else if (name == "-o" || name == "--output") {
      if (!take_value()) return error(fill(msg::kNeedsValue, {name}));
      if (!o.output.empty()) return error(msg::kTwoOutputs);
      o.output = value;
    } else if (name == "--first" || name == "--count") {
      if (!take_value()) return error(fill(msg::kNeedsValue, {name}));
      const auto number = hex_option(value);
      if (!number) return error(fill(msg::kNotHex, {name, value}));
      if (name == "--first") {
        o.first = *number;
      } else {
        if (*number == 0) return error(msg::kCountZero);
        o.count = *number;
      }
    } else if (name == "--columns" || name == "--scale") {
      if (!take_value()) return error(fill(msg::kNeedsValue, {name}));
      const bool columns = name == "--columns";
      const std::uint64_t high = columns ? kMaxColumns : static_cast<std::uint64_t>(kMaxScale);
      const auto number = decimal_option(value, 1, high);
      if (!number) return error(fill(msg::kOutOfRange, {name, value, "1", decimal(high)}));
      if (columns) o.columns = *number;
      else o.scale = static_cast<int>(*number);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return error(fill(msg::kUnknownOption, {arg}));
    } else {
      return error(fill(msg::kUnexpected, {arg}));
    }
  }
  if (!o.kind) return error(msg::kNoInput);
  if (o.output.empty()) return error(msg::kNoOutput);
  return parsed;
}

std::optional<Range> choose_range(std::uint64_t available, std::uint32_t first,
                                  std::optional<std::uint32_t> count) {
  if (first >= available) return std::nullopt;
  const std::uint64_t rest = available - first;
  if (count) return Range{first, std::min<std::uint64_t>(*count, rest), false};
  return Range{first, std::min(rest, kDefaultCount), rest > kDefaultCount};
}

namespace {

class Run {
 public:
  Run(const Options& options, const Console& con) : o_(options), con_(con) {}

  bool go() {
    if (!open_inputs()) return false;
    const auto range = choose_range(available_, o_.first, o_.count);
    if (!range) return fail(fill(msg::kFirstPast, {hex(o_.first), hex(available_)}));
    const SheetLayout layout = make_layout(tile_side(*o_.kind), o_.scale, o_.columns, range->count);
    if (layout.height() > kPngMaxSide) return fail(fill(msg::kTooTall, {decimal(layout.height())}));
    if (!position_inputs(range->first)) return false;
    for (std::FILE* in : inputs_)
      if (platform::same_file(in, o_.output.c_str())) return fail(fill(msg::kIsInput, {o_.output}));
    if (!draw(layout)) return false;

    std::fputs(fill(msg::kWrote, {o_.output, hex(range->first), hex(range->first + range->count - 1),
                                  hex(available_), decimal(layout.columns), decimal(layout.width()),
                                  decimal(layout.height())})
                   .c_str(),
               con_.out);
    if (range->capped) std::fputs(fill(msg::kCapped, {hex(range->count)}).c_str(), con_.out);
    return true;
  }

 private:
  bool fail(const std::string& text) {
    std::fputs(msg::kPrefix, con_.err);
    std::fputs(text.c_str(), con_.err);
    streams_.close_all();
    return false;
  }

  // Bytes a tile takes in each input file: a C ROM holds half of each tile.
  std::size_t file_tile_bytes() const {
    return *o_.kind == Kind::sprites ? kSpriteBytes / 2 : tile_bytes(*o_.kind);
  }

  bool open_inputs() {
    std::vector<std::uint64_t> lengths;
    for (const std::string& name : o_.inputs) {
      std::FILE* in = streams_.open_read(name.c_str());
      if (in == nullptr) return fail(fill(msg::kCannotOpen, {name}));
      if (platform::is_directory(in)) return fail(fill(msg::kIsFolder, {name}));
      const auto length = platform::measure(in);
      if (!length) return fail(fill(msg::kNotMeasurable, {name}));
      inputs_.push_back(in);
      lengths.push_back(*length);
    }
    if (lengths.size() == 2 && lengths[0] != lengths[1])
      return fail(fill(msg::kPairLengths, {o_.inputs[0], o_.inputs[1], decimal(lengths[0]),
                                           decimal(lengths[1])}));
    available_ = lengths[0] / file_tile_bytes();
    if (available_ == 0)
      return fail(fill(msg::kNoWholeTile,
                       {o_.inputs[0], decimal(lengths[0]), decimal(file_tile_bytes())}));
    return true;
  }

  bool position_inputs(std::uint64_t first) {
    for (std::size_t i = 0; i < inputs_.size(); ++i)
      if (!platform::seek(inputs_[i], first * file_tile_bytes()))
        return fail(fill(msg::kReadError, {o_.inputs[i]}));
    return true;
  }

  // Reads the next n tiles of every input and decodes them.
  bool fetch(std::size_t n, std::uint8_t* pixels) {
    const std::size_t each = n * file_tile_bytes();
    buffers_.resize(inputs_.size());
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
      buffers_[i].resize(each);
      if (read_up_to(inputs_[i], buffers_[i].data(), each) != each) {
        read_failed_ = i;
        return false;
      }
    }
    const std::uint8_t* tiles = buffers_[0].data();
    if (*o_.kind == Kind::sprites) {
      image_.resize(2 * each);
      interleave_pair(buffers_[0].data(), buffers_[1].data(), each, image_.data());
      tiles = image_.data();
    }
    const std::size_t bytes = tile_bytes(*o_.kind);
    const std::size_t area = static_cast<std::size_t>(tile_side(*o_.kind) * tile_side(*o_.kind));
    for (std::size_t t = 0; t < n; ++t) decode_tile(*o_.kind, tiles + t * bytes, pixels + t * area);
    return true;
  }

  bool draw(const SheetLayout& layout) {
    const char* name = o_.output.c_str();
    std::FILE* out = streams_.open_write(name);
    if (out == nullptr) return fail(fill(msg::kCannotCreate, {o_.output}));
    PngWriter png;
    bool ok = png.begin(out, static_cast<std::uint32_t>(layout.width()),
                        static_cast<std::uint32_t>(layout.height()));
    if (ok) {
      ok = render_sheet(
          layout, [&](std::uint64_t, std::size_t n, std::uint8_t* pixels) { return fetch(n, pixels); },
          [&](const std::uint8_t* line) { return png.line(line); });
      ok = ok && png.finish();
    }
    const bool closed = streams_.close(out);
    if (ok && closed) return true;
    // A half-written sheet would only mislead; a device or pipe is left alone.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(o_.output, ignored)) std::remove(name);
    if (read_failed_) return fail(fill(msg::kReadError, {o_.inputs[*read_failed_]}));
    const std::string why = png.error().empty() ? "the file could not be written" : png.error();
    return fail(fill(msg::kWriteError, {o_.output, why}));
  }

  const Options& o_;
  const Console& con_;
  StreamSet streams_;
  std::vector<std::FILE*> inputs_;
  std::uint64_t available_ = 0;
  std::vector<std::vector<std::uint8_t>> buffers_;
  std::vector<std::uint8_t> image_;
  std::optional<std::size_t> read_failed_;
};

}  // namespace

int run(int argc, char** argv, const Console& con) {
  if (argc <= 1) {
    std::fputs(msg::kUsage, con.err);
    return 1;
  }
  const Parsed parsed = parse_options(argc, argv);
  if (parsed.options.help) {
    std::fputs(msg::kUsage, con.out);
    return 0;
  }
  if (!parsed.error.empty()) {
    std::fputs(msg::kPrefix, con.err);
    std::fputs(parsed.error.c_str(), con.err);
    std::fputs(msg::kTryHelp, con.err);
    return 1;
  }
  Run run(parsed.options, con);
  return run.go() ? 0 : 1;
}

}  // namespace neo::tileview
