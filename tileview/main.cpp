#include "tileview.hpp"

int main(int argc, char** argv) { return neo::tileview::run(argc, argv, neo::standard_console()); }
