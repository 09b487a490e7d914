#include "app/desktopplatform.h"

#include "app/singleinstance.h"

#include <QApplication>
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

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

DesktopPlatform::DesktopPlatform(SingleInstance &instance, SettingsStore &settings)
    : m_instance(instance), m_settings(settings)
{}

bool DesktopPlatform::openWebAddress(const QUrl &address)
{
    // True once an opener has taken the address; the page itself is not
    // waited for.
    return QDesktopServices::openUrl(address);
}

MessageAnswer DesktopPlatform::showMessage(QWidget *parent, const QString &text,
                                           const QString &caption, MessageIcon icon,
                                           MessageButtons buttons)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(icon), caption, messageBoxText(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A warning may carry an address to copy into a browser by hand.
    if (icon == MessageIcon::Warning)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int pressed = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QWidget *DesktopPlatform::activeWindow() const
{
    return QApplication::activeWindow();
}

void DesktopPlatform::reportProblem(const QString &text)
{
    // Straight to standard error: Qt's own log goes to the journal when no
    // terminal is attached, where nobody who started the program would look.
    const QByteArray line = (QCoreApplication::applicationName() + QStringLiteral(": ") +
                             QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')))
                                .toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
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
