#pragma once
#include "console.hpp"

namespace neo::pellimar {

// Starts whatever the program needs before it looks at its arguments;
// false ends the run with the fatal start-up line.
using Startup = bool (*)();

// The start-up of a normal run.
bool start_program();

// The whole run: start-up, loading and converting the tile file, then the
// split dialogue on `con`. Returns the exit status.
int run(int argc, char** argv, const Console& con, Startup startup);

}  // namespace neo::pellimar
