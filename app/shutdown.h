// SPDX-License-Identifier: MIT
// The one orderly way the program ends.
#pragma once

#include <QtGlobal>

namespace Zentrova {

class Shutdown final
{
    Q_DISABLE_COPY_MOVE(Shutdown)

public:
    Shutdown() = default;

    // Closes every open window of the program, each at most once, and quits
    // the event loop; the settings were written when they changed. A call
    // made while the program is already ending returns at once.
    void endProgram();
    // True once endProgram() has begun: the program cannot go back to running.
    bool isEnding() const { return m_ending; }

private:
    bool m_ending = false;
};

} // namespace Zentrova
