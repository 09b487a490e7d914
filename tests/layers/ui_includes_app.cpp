// SPDX-License-Identifier: MIT
// A windows' file that reaches up into start-up: the layers forbid it, so
// this must not compile (tests/CMakeLists.txt, test layers_are_enforced).
#include "app/startup.h"
