// The program's start: single instance, seeding, update reminder, main window.
#pragma once

namespace Zentrova {
class Platform;
}

namespace Zentrova {
int StartProgramStub(Platform &platform);
}
