// SPDX-License-Identifier: MIT
// Checks shared by the windows' tests: how the controls sit, which way
// Tab goes, what a screen reader finds, which texts are translated, where the
// links lead, and the windows a failed test leaves behind.
#pragma once

#include "web/siteaddresses.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTranslator>
#include <QUrl>

namespace Zentrova::Testing {

// A caption as shown: "&" marks an access key, "&&" shows one ampersand.
inline QString visibleText(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// What is wrong with the controls under root: one that leaves its parent
// (unless named in mayLeave), siblings that overlap, a text its control cuts.
inline QStringList layoutProblems(const QWidget *root, const QSet<QString> &mayLeave)
{
    QStringList problems;
    const QList<QWidget *> children = root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QList<QWidget *> placed;
    for (QWidget *child : children) {
        if (child->isWindow() || child->objectName().isEmpty() || child->isHidden())
            continue;
        placed.append(child);
        const QString name = child->objectName();
        if (!mayLeave.contains(name) && !root->rect().contains(child->geometry()))
            problems << name + " leaves " + root->objectName();

        const QFontMetrics metrics = child->fontMetrics();
        const QSize room = child->size();
        if (auto *label = qobject_cast<QLabel *>(child)) {
            const QSize wanted = label->wordWrap() ? QSize(0, label->heightForWidth(room.width()))
                                                   : label->sizeHint();
            if (wanted.width() > room.width() || wanted.height() > room.height())
                problems << name + " cuts its text";
        } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
            const bool cut =
                button->hasHeightForWidth()
                    ? button->heightForWidth(room.width()) > room.height()
                    : button->sizeHint().width() > room.width() || metrics.height() > room.height();
            if (cut)
                problems << name + " cuts its text";
        } else if (auto *box = qobject_cast<QGroupBox *>(child)) {
            if (metrics.horizontalAdvance(box->title()) + 4 > room.width())
                problems << name + " cuts its caption";
        } else if (auto *edit = qobject_cast<QLineEdit *>(child)) {
            if (metrics.horizontalAdvance(edit->text()) > room.width() ||
                metrics.height() > room.height())
                problems << name + " cuts its text";
        }
        problems << layoutProblems(child, mayLeave);
    }
    // A label sized to its text may share its last row, below the letters,
    // with the control under it.
    for (qsizetype i = 0; i < placed.size(); ++i) {
        for (qsizetype j = i + 1; j < placed.size(); ++j) {
            const QRect common = placed.at(i)->geometry() & placed.at(j)->geometry();
            if (common.height() > 1)
                problems << placed.at(i)->objectName() + " overlaps " + placed.at(j)->objectName();
        }
    }
    return problems;
}

// What is wrong with a top-level window of fixed size: a size the user can
// change, a maximise button, no close button, a place off the centre of its
// screen (the frame included, where a window manager gives it one).
inline QStringList fixedWindowProblems(const QWidget *window)
{
    QStringList problems;
    const QString name = window->objectName();
    if (window->minimumSize() != window->maximumSize() || window->size() != window->minimumSize())
        problems << name + " can be resized";
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowMaximizeButtonHint))
        problems << name + " can be maximised";
    if (!flags.testFlag(Qt::WindowCloseButtonHint))
        problems << name + " has no close button";
    const QPoint offCentre =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    if (offCentre.manhattanLength() > 1)
        problems << QStringLiteral("%1 sits %2,%3 off the centre of its screen")
                        .arg(name)
                        .arg(offCentre.x())
                        .arg(offCentre.y());
    return problems;
}

// The names of the controls that Tab brings the focus to, starting after the
// focused one and ending when the focus comes back to it.
inline QStringList tabOrder(const QWidget *window)
{
    QStringList order;
    QWidget *start = window->focusWidget();
    for (int i = 0; start && i < 50; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        if (!focused)
            break;
        order << focused->objectName();
        if (focused == start)
            break;
    }
    return order;
}

// What a screen reader learns of a control: its role, name and actions.
struct AccessibleControl
{
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QStringList actions;
};

inline AccessibleControl accessibleControl(QWidget *widget)
{
    AccessibleControl control;
    if (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget)) {
        control.role = face->role();
        control.name = face->text(QAccessible::Name);
        if (QAccessibleActionInterface *actions = face->actionInterface())
            control.actions = actions->actionNames();
    }
    return control;
}

// Whether an address lies on one of the maker's configured sites.
inline bool isUnderConfiguredSite(const QUrl &address)
{
    for (const QString &site : {MainSiteAddress, HelpSiteAddress, ProductSiteAddress}) {
        const QUrl siteUrl(site);
        if (address.scheme() == siteUrl.scheme() && address.host() == siteUrl.host())
            return true;
    }
    return address == QUrl(HomePageAddress);
}

// Translates every text of the program's own classes into itself between
// marks, so a test tells the texts that went through tr() from those that
// did not.
class MarkingTranslator final : public QTranslator
{
public:
    static QString marked(const QString &text) { return u'\u2039' + text + u'\u203a'; }
    static bool isMarked(const QString &text)
    {
        return text.startsWith(u'\u2039') && text.endsWith(u'\u203a');
    }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!QByteArrayView(context).startsWith("Zentrova::"))
            return {};
        return marked(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// The texts under root that a MarkingTranslator did not mark: captions,
// labels, box contents, accessible names and descriptions. Controls named in
// exempt show no translated text (a version number, an address).
inline QStringList unmarkedTexts(const QWidget *root, const QSet<QString> &exempt)
{
    QStringList unmarked;
    const auto check = [&unmarked](const QWidget *widget, const QString &text) {
        const QString shown = text.trimmed();
        if (!shown.isEmpty() && !MarkingTranslator::isMarked(shown))
            unmarked << widget->objectName() + ": " + shown.left(40);
    };
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || exempt.contains(widget->objectName()))
            continue;
        if (auto *label = qobject_cast<const QLabel *>(widget))
            check(widget, label->text());
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(widget, button->text());
        else if (auto *group = qobject_cast<const QGroupBox *>(widget))
            check(widget, group->title());
        else if (auto *edit = qobject_cast<const QLineEdit *>(widget))
            check(widget, edit->text());
        else if (auto *box = qobject_cast<const QPlainTextEdit *>(widget))
            check(widget, box->toPlainText());
        check(widget, widget->accessibleName());
        check(widget, widget->accessibleDescription());
    }
    return unmarked;
}

// Deletes the windows a test left open (a failed check returns before it
// closes them) and tells their names, so the next test starts clean.
inline QStringList deleteLeftoverWindows()
{
    QStringList names;
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : windows) {
        if (window) {
            names << window->objectName();
            delete window.data();
        }
    }
    return names;
}

} // namespace Zentrova::Testing
