// SPDX-License-Identifier: MIT
// The same place including what its layers allow: this compiles, so the other
// file fails for the layer alone.
#include "reading/cast.h"
#include "ui/pushbutton.h"
