// pellimar's split dialogue fed arbitrary bytes as its answers, in-process,
// on a small image in a scratch folder. AddressSanitizer catches a read
// outside the image (a small image and its trailing zero byte are one
// exact-size heap block); the
// checks here catch a status other than 0 or 1, a changed tile file, and a
// file left anywhere but the scratch folder or under a name not answered.
//
// Inputs whose split-file names hold a '/' are skipped: such a name can
// reach any path of the machine (/dev/full, ../x, an absolute path), and
// the end-to-end tests cover those names. Without a '/' a name stays in
// the scratch folder, so everything else the tool does is run as it is.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "pellimar.hpp"

namespace {

constexpr const char* kTileName = "tiles.swp";
// Two whole tiles and a partial one.
constexpr std::size_t kTileLength = 2 * 128 + 44;

std::string g_root;     // holds only the scratch folder
std::string g_scratch;  // the working folder of every run
std::vector<unsigned char> g_tiles;
std::FILE* g_sink = nullptr;

[[noreturn]] void failure(const char* what, const std::string& detail) {
  std::fprintf(stderr, "pellimar dialogue: %s: %s\n", what, detail.c_str());
  std::abort();
}

bool is_space(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The names the dialogue asks for: tokens in fours, until a start token
// that begins with '-' or the end of the answers.
std::vector<std::string> split_names(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> tokens;
  for (std::size_t i = 0; i < size;) {
    if (is_space(data[i])) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < size && !is_space(data[j])) ++j;
    tokens.emplace_back(reinterpret_cast<const char*>(data + i), j - i);
    i = j;
  }
  std::vector<std::string> names;
  for (std::size_t t = 0; t < tokens.size() && tokens[t][0] != '-'; t += 4)
    if (t + 3 < tokens.size()) names.push_back(tokens[t + 3]);
  return names;
}

std::vector<std::string> entries(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) failure("cannot list", dir);
  while (const dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(d);
  return names;
}

std::vector<unsigned char> contents(const char* name) {
  std::vector<unsigned char> bytes;
  std::FILE* f = std::fopen(name, "rb");
  if (f == nullptr) failure("cannot open", name);
  for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<unsigned char>(c));
  std::fclose(f);
  return bytes;
}

// At a normal end the folders go; after a failure they stay to be looked at.
void remove_folders() {
  for (const std::string& entry : entries(g_scratch)) unlink((g_scratch + "/" + entry).c_str());
  rmdir(g_scratch.c_str());
  rmdir(g_root.c_str());
}

void write_tiles() {
  std::FILE* f = std::fopen(kTileName, "wb");
  if (f == nullptr || std::fwrite(g_tiles.data(), 1, g_tiles.size(), f) != g_tiles.size() ||
      std::fclose(f) != 0)
    failure("cannot write", kTileName);
}

// libFuzzer reads its corpus folders and writes its finds after the chdir
// into the scratch folder, so relative paths among its arguments are made
// absolute first, and a crash is kept where the run started.
std::vector<std::string> g_args;
std::vector<char*> g_argv;

void make_paths_absolute(int* argc, char*** argv, const std::string& start) {
  bool has_prefix = false;
  for (int i = 0; i < *argc; ++i) {
    std::string arg = (*argv)[i];
    if (i > 0 && !arg.empty() && arg[0] != '-' && arg[0] != '/') arg = start + "/" + arg;
    for (const std::string flag : {"-artifact_prefix=", "-exact_artifact_path="}) {
      if (arg.rfind(flag, 0) != 0) continue;
      if (flag == "-artifact_prefix=") has_prefix = true;
      if (arg.size() == flag.size() || arg[flag.size()] != '/') arg.insert(flag.size(), start + "/");
    }
    g_args.push_back(arg);
  }
  if (!has_prefix) g_args.push_back("-artifact_prefix=" + start + "/");
  for (std::string& arg : g_args) g_argv.push_back(arg.data());
  g_argv.push_back(nullptr);
  *argc = static_cast<int>(g_args.size());
  *argv = g_argv.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  char* start = realpath(".", nullptr);
  if (start == nullptr) failure("cannot resolve", ".");
  make_paths_absolute(argc, argv, start);
  std::free(start);
  char root[] = "pellimar-dialogue.XXXXXX";
  if (mkdtemp(root) == nullptr) failure("cannot make", root);
  char* here = realpath(root, nullptr);
  if (here == nullptr) failure("cannot resolve", root);
  g_root = here;
  std::free(here);
  g_scratch = g_root + "/scratch";
  if (mkdir(g_scratch.c_str(), 0700) != 0 || chdir(g_scratch.c_str()) != 0)
    failure("cannot enter", g_scratch);
  for (std::size_t i = 0; i < kTileLength; ++i) g_tiles.push_back(static_cast<unsigned char>(i * 37 + 11));
  write_tiles();
  std::atexit(remove_folders);
  g_sink = std::fopen("/dev/null", "w");
  if (g_sink == nullptr) failure("cannot open", "/dev/null");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> names = split_names(data, size);
  for (const std::string& name : names)
    if (name.find('/') != std::string::npos) return 0;

  // fmemopen refuses an empty buffer on some C libraries; /dev/null reads empty.
  std::FILE* in = size == 0 ? std::fopen("/dev/null", "rb")
                            : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (in == nullptr) failure("cannot open the answers", std::to_string(size) + " bytes");
  char program[] = "pellimar";
  char tiles[] = "tiles.swp";
  char* argv[] = {program, tiles, nullptr};
  const neo::Console con{in, g_sink, g_sink};
  const int status = neo::pellimar::run(2, argv, con, neo::pellimar::start_program);
  std::fclose(in);
  if (status != 0 && status != 1) failure("status", std::to_string(status));

  if (entries(g_root) != std::vector<std::string>{"scratch"}) failure("a file beside", g_scratch);
  const std::set<std::string> answered(names.begin(), names.end());
  for (const std::string& entry : entries(g_scratch)) {
    if (entry == kTileName) continue;
    struct stat st {};
    if (lstat(entry.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) failure("not a regular file", entry);
    if (answered.count(entry) == 0) failure("a file under a name not answered", entry);
    if (unlink(entry.c_str()) != 0) failure("cannot remove", entry);
  }
  if (contents(kTileName) != g_tiles) failure("the tile file changed", kTileName);
  return 0;
}
