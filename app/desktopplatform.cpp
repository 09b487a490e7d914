#include "app/desktopplatform.h"

#include "app/singleinstance.h"

#include <QDesktopServices>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace Zentrova {

QString messageBoxText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

DesktopPlatform::DesktopPlatform(SingleInstance &instance, SettingsStore &settings)
    : m_instance(instance), m_settings(settings)
{}

void DesktopPlatform::openWebAddress(const QUrl &address)
{
    // Fire-and-forget: whether a browser came up is not the program's concern.
    QDesktopServices::openUrl(address);
}

MessageAnswer DesktopPlatform::showMessage(QWidget *parent, const QString &text,
                                           const QString &caption, MessageIcon icon,
                                           MessageButtons buttons)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, caption,
        messageBoxText(text), yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int pressed = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QDate DesktopPlatform::today() const
{
    return QDate::currentDate();
}

void DesktopPlatform::endProcess(int status)
{
    m_instance.release();
    std::fflush(nullptr);
    // Not std::exit: the application object still lives on main's stack, and
    // Qt's global destructors must not run under it.
    std::_Exit(status);
}

} // namespace Zentrova
