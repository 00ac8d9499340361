#include "pellimar.hpp"

#include <gtest/gtest.h>

#include <string>

namespace neo::pellimar {
namespace {

std::string contents(std::FILE* f) {
  std::rewind(f);
  std::string s;
  for (int c; (c = std::fgetc(f)) != EOF;) s.push_back(static_cast<char>(c));
  return s;
}

bool failing_startup() { return false; }

TEST(Pellimar, FailedStartupPrintsOnlyTheFatalLine) {
  for (int argc : {1, 2}) {
    Console con{std::tmpfile(), std::tmpfile(), std::tmpfile()};
    char name[] = "pellimar";
    char arg[] = "does-not-matter.swp";
    char* argv[] = {name, arg, nullptr};
    EXPECT_EQ(run(argc, argv, con, failing_startup), 1);
    EXPECT_EQ(contents(con.err), "Fatal Error: MFC initialization failed\n");
    EXPECT_EQ(contents(con.out), "");
    std::fclose(con.in);
    std::fclose(con.out);
    std::fclose(con.err);
  }
}

TEST(Pellimar, NormalStartupSucceeds) { EXPECT_TRUE(start_program()); }

}  // namespace
}  // namespace neo::pellimar
