#include "pellimar.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>

#include "file_pair.hpp"
#include "hex_number.hpp"
#include "messages.hpp"
#include "platform.hpp"
#include "printed.hpp"
#include "split.hpp"
#include "streams.hpp"
#include "tile_planes.hpp"
#include "tokens.hpp"

namespace neo::pellimar {
namespace {

constexpr UsageText kUsage{nullptr, msg::kPellimarUsage, msg::kPellimarExample};
// Split bytes are gathered in a chunk and written in one call each.
constexpr std::size_t kChunk = std::size_t{1} << 20;

class Run {
 public:
  Run(const Console& con, const char* tile_name) : con_(con), tile_name_(tile_name) {}

  int load_and_split() {
    tiles_ = streams_.open_read(tile_name_);
    if (tiles_ == nullptr) return fail(msg::kNotFound, tile_name_);
    if (platform::is_directory(tiles_)) return fail(msg::kReadError, tile_name_);
    const auto measured = platform::measure(tiles_);
    if (!measured) return fail(msg::kNotMeasurable, tile_name_);
    if (*measured > std::uint64_t{std::numeric_limits<std::int32_t>::max()})
      return fail(msg::kTooLarge, tile_name_);
    length_ = static_cast<std::uint32_t>(*measured);

    // One byte more than the image: index `length` reads as zero.
    platform::ZeroedBuffer image(std::size_t{length_} + 1);
    if (!image.ok()) return fail(msg::kNoMemory, tile_name_);
    if (read_up_to(tiles_, image.data(), length_) != length_ || std::ferror(tiles_))
      return fail(msg::kReadError, tile_name_);
    sprites::to_planar_in_place(image.data(), length_);
    image_ = image.data();

    std::fputs(msg::kSuccess, con_.out);
    say(con_, msg::kLengthLine, hex8(length_).c_str(), signed_decimal(length_).c_str());
    return dialogue();
  }

 private:
  int fail(const char* format, const char* name) {
    say(con_, format, name);
    streams_.close_all();
    return 1;
  }

  std::optional<std::string> ask(TokenReader& answers, const char* prompt) {
    std::fputs(prompt, con_.out);
    std::fflush(con_.out);
    return answers.next();
  }

  int dialogue() {
    TokenReader answers(con_.in);
    for (;;) {
      const auto start = ask(answers, msg::kStartPrompt);
      if (!start || (*start)[0] == '-') {
        streams_.close_all();
        return 0;
      }
      const auto parity = ask(answers, msg::kParityPrompt);
      const auto size = parity ? ask(answers, msg::kSizePrompt) : std::nullopt;
      const auto name = size ? ask(answers, msg::kNamePrompt) : std::nullopt;
      if (!name) {
        std::fputs(msg::kAnswersEnded, con_.out);
        streams_.close_all();
        return 1;
      }
      const sprites::SplitRequest request{read_hex_number(*start), read_hex_number(*parity),
                                          read_hex_number(*size)};
      if (const int status = write_split(request, *name); status != 0) return status;
    }
  }

  int write_split(const sprites::SplitRequest& request, const std::string& name) {
    const sprites::SplitPlan plan = sprites::plan_split(request, length_);
    if (!plan.inside) {
      say(con_, msg::kOutsideImage, name.c_str(), signed_decimal(length_).c_str());
      streams_.close_all();
      return 1;
    }
    if (name.find('\0') != std::string::npos) {
      std::fputs(msg::kBadName, con_.out);
      streams_.close_all();
      return 1;
    }
    if (platform::same_file(tiles_, name.c_str())) return fail(msg::kIsTileFile, name.c_str());
    std::FILE* out = streams_.open_write(name.c_str());
    if (out == nullptr) return fail(msg::kCreateError, name.c_str());

    if (!chunk_) chunk_ = std::make_unique<std::uint8_t[]>(kChunk);
    std::uint8_t* chunk = chunk_.get();
    bool ok = true;
    for (std::uint64_t done = 0; ok && done < plan.count;) {
      const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, plan.count - done));
      sprites::gather_split(image_, plan.first + 2 * done, n, chunk);
      ok = write_all(out, chunk, n);
      done += n;
    }
    // The done line only for a file whose bytes all reached it.
    if (!flush_output(con_, out, name.c_str(), ok)) {
      streams_.close_all();
      return 1;
    }
    std::fputs(msg::kDone, con_.out);
    if (!streams_.close(out)) return fail(msg::kWriteError, name.c_str());
    return 0;
  }

  const Console& con_;
  const char* tile_name_;
  StreamSet streams_;
  std::FILE* tiles_ = nullptr;
  std::uint32_t length_ = 0;
  const std::uint8_t* image_ = nullptr;
  std::unique_ptr<std::uint8_t[]> chunk_;
};

}  // namespace

bool start_program() {
  // Nothing to bring up on our hosts; the hook keeps the failed start-up
  // path real and testable.
  return true;
}

int run(int argc, char** argv, const Console& con, Startup startup) {
  if (!startup()) {
    std::fputs(msg::kStartupFailed, con.err);
    std::fputs("\n", con.err);
    std::fflush(con.err);
    return 1;
  }
  if (argc <= 1) {
    print_usage(con, kUsage);
    return 1;
  }
  Run run(con, argv[1]);
  return run.load_and_split();
}

}  // namespace neo::pellimar
