// SPDX-License-Identifier: MIT
#include "ui/main/diebutton.h"

#include "ui/cues.h"
#include "ui/palette.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace Zentrova {

namespace {
constexpr int BorderWidth = 1;
}

DieButton::DieButton(const QPixmap &face, QWidget *parent) : QAbstractButton(parent), m_face(face)
{
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    Look::setBackground(this, Qt::white);
    Look::setTextColour(this, Qt::black);
    // The choice around it takes the focus for the keyboard.
    setFocusPolicy(Qt::NoFocus);
    Look::setClickable(this);
}

QSize DieButton::sizeHint() const
{
    return m_face.deviceIndependentSize().toSize() + QSize(2 * BorderWidth, 2 * BorderWidth);
}

void DieButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawPlainRect(&painter, rect(), palette().color(QPalette::WindowText), BorderWidth);
    const QRect inside = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    style()->drawItemPixmap(&painter, inside, Qt::AlignCenter, m_face);
}

} // namespace Zentrova
