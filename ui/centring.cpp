// SPDX-License-Identifier: MIT
#include "ui/centring.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace Zentrova::Look {

namespace {

void moveFrameToCentre(QWidget *window, const QMargins &frameMargins)
{
    const QScreen *screen = window->screen() ? window->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->geometry().marginsAdded(frameMargins);
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// Before it is shown a window has no frame yet, so the first centring places
// the client area alone and the decorations push the window off centre.
// Watches for the frame and centres the window again when it arrives.
class FrameWatcher final : public QObject
{
public:
    static inline const QString Name = QStringLiteral("frameWatcher");

    explicit FrameWatcher(QWidget *window) : QObject(window), m_window(window)
    {
        setObjectName(Name);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || !m_window->windowHandle())
            return false;
        if (event->type() != QEvent::Move && event->type() != QEvent::Show &&
            event->type() != QEvent::Resize)
            return false;
        const QMargins margins = m_window->windowHandle()->frameMargins();
        if (!margins.isNull()) {
            moveFrameToCentre(m_window, margins);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    const QMargins margins =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    moveFrameToCentre(window, margins);
    if (margins.isNull() &&
        !window->findChild<QObject *>(FrameWatcher::Name, Qt::FindDirectChildrenOnly))
        new FrameWatcher(window);
}

} // namespace Zentrova::Look
