// SPDX-License-Identifier: MIT
#include "app/desktopplatform.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>

namespace Zentrova {

namespace {

// How a message box of the kind shows its icon: as QMessageBox names it, and
// as the style draws it.
struct BoxIcon
{
    QMessageBox::Icon icon;
    QStyle::StandardPixmap pixmap;
};

BoxIcon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        break;
    case MessageIcon::Warning:
        return {QMessageBox::Warning, QStyle::SP_MessageBoxWarning};
    case MessageIcon::Critical:
        return {QMessageBox::Critical, QStyle::SP_MessageBoxCritical};
    }
    return {QMessageBox::Information, QStyle::SP_MessageBoxInformation};
}

// A read-only field for text to copy, as tall as the text, up to eight lines.
QPlainTextEdit *copyableField(const QString &text, QWidget *parent)
{
    constexpr int Width = 420;
    constexpr int MostLines = 8;
    auto *field = new QPlainTextEdit(text, parent);
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

// A message box's label breaks lines between words only and would cut off a
// long address: a message with text to copy is a small dialog of its own,
// with the icon a message box of its kind shows and the text whole in a
// field that wraps it anywhere.
void showCopyableMessage(QWidget *parent, const Message &message)
{
    QDialog box(parent);
    box.setWindowTitle(ProgramTitle);
    auto *layout = new QGridLayout(&box);
    auto *icon = new QLabel(&box);
    icon->setObjectName(QStringLiteral("messageIcon"));
    const QStyle *style = box.style();
    const int iconSize = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(style->standardIcon(boxIcon(message.icon).pixmap, nullptr, &box)
                        .pixmap(QSize(iconSize, iconSize), box.devicePixelRatio()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto *text = new QLabel(message.text, &box);
    text->setObjectName(QStringLiteral("messageText"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(text, 0, 1);
    layout->addWidget(copyableField(message.copyableText, &box), 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    box.exec();
}

} // namespace

DesktopPlatform::DesktopPlatform(SettingsStore &settings) : m_settings(settings) {}

DesktopPlatform::~DesktopPlatform()
{
    // An opener still running waits for the browser it started; the browser
    // is a process of its own and stays when the opener is ended here.
    for (const QPointer<QProcess> &opener : std::as_const(m_openers)) {
        if (!opener)
            continue;
        opener->disconnect();
        if (opener->state() != QProcess::NotRunning) {
            opener->kill();
            opener->waitForFinished(1000);
        }
        delete opener;
    }
}

MessageAnswer DesktopPlatform::showMessage(QWidget *parent, const Message &message)
{
    if (!message.copyableText.isEmpty()) {
        showCopyableMessage(parent, message);
        return MessageAnswer::Ok;
    }
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(message.icon).icon, ProgramTitle, message.text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (message.icon == MessageIcon::Warning)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

} // namespace Zentrova
