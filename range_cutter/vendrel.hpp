#pragma once
#include "console.hpp"

namespace neo::vendrel {

// Copies cut-size bytes from the start address of argument 1 into argument 2;
// bytes past the input's end are zero. Returns the exit status.
int run(int argc, char** argv, const Console& con);

}  // namespace neo::vendrel
