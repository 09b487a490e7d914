// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"

#include "app/singleinstance.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>
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

// A read-only field for text to copy, as tall as the text, up to eight lines.
QPlainTextEdit *copyableField(const QString &text)
{
    constexpr int Width = 420;
    constexpr int MostLines = 8;
    auto *field = new QPlainTextEdit(text);
    field->setObjectName(QStringLiteral("copyableText"));
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setWordWrapMode(QTextOption::WrapAnywhere);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setTabChangesFocus(true);
    field->setMinimumWidth(Width);
    const QFontMetrics metrics = field->fontMetrics();
    const int lines = std::min(MostLines, 1 + metrics.horizontalAdvance(text) / (Width - 20));
    const int margins = 2 * (field->frameWidth() + int(field->document()->documentMargin()));
    // A few pixels spare: the field's viewport takes some of its own.
    field->setFixedHeight(lines * metrics.lineSpacing() + margins + 4);
    if (lines < MostLines)
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return field;
}

} // namespace

DesktopPlatform::DesktopPlatform(SingleInstance &instance, SettingsStore &settings)
    : m_instance(instance), m_settings(settings)
{}

void DesktopPlatform::openWebAddress(const QUrl &address, std::function<void()> failed)
{
    // QDesktopServices starts xdg-open detached and counts that as success,
    // so an opener that finds no browser would go unnoticed. Running it
    // ourselves lets its exit status tell.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(address))
            failed();
        return;
    }
    auto *process = new QProcess(qApp);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    QElapsedTimer sinceStart;
    sinceStart.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed, sinceStart](int exitCode, QProcess::ExitStatus status) {
                         // Some openers wait for the browser they start; an
                         // exit long after the start says nothing of the page.
                         const bool refused = status != QProcess::NormalExit || exitCode != 0;
                         if (refused && sinceStart.elapsed() < OpenerVerdictMs)
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         failed();
                         process->deleteLater();
                     });
    process->start(opener, {QString::fromLatin1(address.toEncoded())});
}

MessageAnswer DesktopPlatform::showMessage(QWidget *parent, const QString &text,
                                           const QString &caption, MessageIcon icon,
                                           MessageButtons buttons)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    QString shown = messageBoxText(text);
    QString copyable;
    const qsizetype lastParagraph = shown.lastIndexOf(QLatin1String("\n\n"));
    if (icon == MessageIcon::Warning && lastParagraph >= 0) {
        copyable = shown.mid(lastParagraph + 2);
        shown.truncate(lastParagraph);
    }
    QMessageBox box(boxIcon(icon), caption, shown,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (icon == MessageIcon::Warning) {
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // A message box's label breaks lines between words only, and cuts off
        // a long address; this field wraps it anywhere and shows it whole.
        auto *grid = qobject_cast<QGridLayout *>(box.layout());
        if (grid && !copyable.isEmpty())
            grid->addWidget(copyableField(copyable), 1, 2);
        else if (!copyable.isEmpty())
            box.setText(messageBoxText(text));
    }
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
