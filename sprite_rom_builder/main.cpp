#include "pellimar.hpp"

int main(int argc, char** argv) {
  return neo::pellimar::run(argc, argv, neo::standard_console(), neo::pellimar::start_program);
}
