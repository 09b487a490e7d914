// SPDX-License-Identifier: MIT
// Checks shared by the side windows' tests: how the controls sit, which way
// Tab goes, what a screen reader finds and where the links lead.
#pragma once

#include "web/siteaddresses.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>
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
            if (button->sizeHint().width() > room.width() || metrics.height() > room.height())
                problems << name + " cuts its text";
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

} // namespace Zentrova::Testing
