// SPDX-License-Identifier: MIT
// The one orderly way the program ends.
#pragma once

#include <QtGlobal>

namespace Zentrova {

class Platform;

class Shutdown final
{
    Q_DISABLE_COPY_MOVE(Shutdown)

public:
    explicit Shutdown(Platform &platform) : m_platform(platform) {}

    // Closes every open window of the program, each at most once, and ends
    // the process; the settings were written when they changed. Does not return on the real
    // platform; a call made while the program is already ending returns at once.
    void endProgram();
    // True once endProgram() has begun: the program cannot go back to running.
    bool isEnding() const { return m_ending; }

private:
    Platform &m_platform;
    bool m_ending = false;
};

} // namespace Zentrova
