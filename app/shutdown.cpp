#include "app/shutdown.h"

#include "platform/platform.h"

namespace modHelp {

void EndProgram(Zentrova::Platform &platform)
{
    platform.endProcess(0);
}

} // namespace modHelp
