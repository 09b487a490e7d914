#include "app/startup.h"

#include "app/shutdown.h"
#include "app/singleinstance.h"
#include "app/updatereminder.h"
#include "platform/platform.h"
#include "ui/main/frmmain.h"

namespace Zentrova {

FrmMain *StartProgram(Platform &platform, const SingleInstance &instance)
{
    if (instance.anotherCopyRuns()) {
        // The running copy is left as it is: not activated, not raised.
        platform.showMessage(nullptr, AlreadyRunningMessage, ProgramTitle, MessageIcon::Information,
                             MessageButtons::Ok);
        modHelp::EndProgram(platform);
        return nullptr;
    }

    platform.random().seedFromClock();
    modHelp::UpdateReminder(platform);

    auto *window = new FrmMain(platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->CoBrand_Randomize();
    return window;
}

} // namespace Zentrova
