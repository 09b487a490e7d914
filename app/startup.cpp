#include "app/startup.h"

namespace Zentrova {
int StartProgramStub(Platform &)
{
    return 0;
}
} // namespace Zentrova
