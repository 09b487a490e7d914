// The one orderly way the program ends.
#pragma once

namespace Zentrova {
class Platform;
}

namespace modHelp {

// Closes every open window of the program, each at most once, flushes the
// settings and ends the process. Does not return on the real platform.
void EndProgram(Zentrova::Platform &platform);

} // namespace modHelp
