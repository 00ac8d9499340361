#include "streams.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace neo {
namespace {

namespace fs = std::filesystem;

class StreamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("neo-streams-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const char* name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(StreamsTest, CloseAllWritesPendingOutputAndLeavesStandardStreams) {
  StreamSet streams;
  std::FILE* out = streams.open_write(path("a.bin").c_str());
  ASSERT_NE(out, nullptr);
  ASSERT_TRUE(write_all(out, "abc", 3));
  EXPECT_TRUE(streams.close_all());
  EXPECT_EQ(fs::file_size(path("a.bin")), 3u);
  // The standard streams are still open and usable.
  EXPECT_GE(std::fprintf(stdout, "%s", ""), 0);
  EXPECT_NE(std::fflush(stdout), EOF);
  EXPECT_TRUE(streams.close_all());  // nothing left to close
}

TEST_F(StreamsTest, MissingInputDoesNotOpenAndOutputTruncates) {
  StreamSet streams;
  EXPECT_EQ(streams.open_read(path("missing").c_str()), nullptr);
  EXPECT_FALSE(fs::exists(path("missing")));
  { std::ofstream(path("old.bin")) << "0123456789"; }
  std::FILE* out = streams.open_write(path("old.bin").c_str());
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(streams.close(out));
  EXPECT_EQ(fs::file_size(path("old.bin")), 0u);
}

TEST_F(StreamsTest, BinaryBytesUntranslated) {
  const unsigned char bytes[] = {'\r', '\n', 0x1A, 0, '\n', 0xFF};
  StreamSet streams;
  std::FILE* out = streams.open_write(path("b.bin").c_str());
  ASSERT_TRUE(write_all(out, bytes, sizeof bytes));
  ASSERT_TRUE(streams.close(out));
  std::FILE* in = streams.open_read(path("b.bin").c_str());
  unsigned char back[16] = {};
  EXPECT_EQ(read_up_to(in, back, sizeof back), sizeof bytes);
  EXPECT_EQ(std::memcmp(back, bytes, sizeof bytes), 0);
  EXPECT_FALSE(std::ferror(in));
}

#ifdef __linux__
TEST_F(StreamsTest, FullDeviceFailsAtWriteOrClose) {
  StreamSet streams;
  std::FILE* out = streams.open_write("/dev/full");
  ASSERT_NE(out, nullptr);
  // Small writes are buffered and only fail when the buffer goes out.
  const bool written = write_all(out, "x", 1);
  EXPECT_FALSE(written && streams.close(out));
}
#endif

}  // namespace
}  // namespace neo
