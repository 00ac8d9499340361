#include "platform.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace neo::platform {
namespace {

namespace fs = std::filesystem;

// A folder of each test's own: CTest runs the tests side by side, and
// Windows cannot remove a folder while another test holds a file in it open.
struct Scratch {
  Scratch()
      : dir(fs::temp_directory_path() /
            ("neo-platform-test-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(std::random_device{}()))) {
    fs::remove_all(dir);
    fs::create_directories(dir / "sub");
  }
  ~Scratch() { fs::remove_all(dir); }
  fs::path dir;
};

TEST(Platform, SameFileHoweverSpelt) {
  Scratch s;
  { std::ofstream(s.dir / "a") << "data"; }
  { std::ofstream(s.dir / "b") << "data"; }
  std::FILE* f = std::fopen((s.dir / "a").string().c_str(), "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(same_file(f, (s.dir / "a").string().c_str()));
  EXPECT_TRUE(same_file(f, (s.dir / "sub" / ".." / "a").string().c_str()));
  EXPECT_FALSE(same_file(f, (s.dir / "b").string().c_str()));
  EXPECT_FALSE(same_file(f, (s.dir / "not-yet").string().c_str()));
  std::error_code ec;
  fs::create_hard_link(s.dir / "a", s.dir / "link", ec);
  if (!ec) {
    EXPECT_TRUE(same_file(f, (s.dir / "link").string().c_str()));
  }
  std::fclose(f);
}

TEST(Platform, MeasureSeekAndDirectory) {
  Scratch s;
  { std::ofstream(s.dir / "a", std::ios::binary) << "0123456789"; }
  std::FILE* f = std::fopen((s.dir / "a").string().c_str(), "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(measure(f), std::optional<std::uint64_t>(10));
  EXPECT_EQ(std::fgetc(f), '0');  // back at the start
  EXPECT_TRUE(seek(f, 7));
  EXPECT_EQ(std::fgetc(f), '7');
  EXPECT_TRUE(seek(f, std::uint64_t{0x90000000}));  // past 2 GiB: no wrap to a negative offset
  EXPECT_EQ(std::fgetc(f), EOF);
  EXPECT_FALSE(is_directory(f));
  std::fclose(f);
}

TEST(Platform, ZeroedBufferSmallAndLarge) {
  for (std::size_t size : {std::size_t{1}, std::size_t{4096}, std::size_t{5} << 20}) {
    ZeroedBuffer b(size);
    ASSERT_TRUE(b.ok());
    EXPECT_EQ(b.size(), size);
    EXPECT_EQ(b.data()[0], 0);
    EXPECT_EQ(b.data()[size - 1], 0);
    b.data()[size - 1] = 1;  // writable to its end
  }
}

}  // namespace
}  // namespace neo::platform

namespace neo::platform {
namespace {

TEST(Platform, ZeroedBufferReportsFailure) {
  ZeroedBuffer b(std::size_t{1} << 62);  // no host maps this much
  EXPECT_FALSE(b.ok());
}

}  // namespace
}  // namespace neo::platform
