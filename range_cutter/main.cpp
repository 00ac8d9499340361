#include "vendrel.hpp"

int main(int argc, char** argv) { return neo::vendrel::run(argc, argv, neo::standard_console()); }
