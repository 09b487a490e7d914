// SPDX-License-Identifier: MIT
#include "ui/linkbutton.h"

#include "ui/buttonkeys.h"
#include "ui/cues.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QTextFrame>
#include <QtMath>

#include <algorithm>

namespace Zentrova {

LinkButton::LinkButton(const QString &text, QWidget *parent, Keys keys)
    : QAbstractButton(parent), m_keys(keys)
{
    setText(text);
    // setText takes an "&" for an access key; a link's text is plain.
    setShortcut({});
    // Drawn like a label on the window's own colours, not like a button.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    // Tab reaches it; a mouse click opens the page without taking the focus.
    setFocusPolicy(Qt::TabFocus);
    Look::setClickable(this);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void LinkButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkButton::setWordWrap(bool on)
{
    m_wordWrap = on;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(on);
    setSizePolicy(policy);
    updateGeometry();
    update();
}

void LinkButton::layOut(QTextDocument &document, qreal width) const
{
    document.setDefaultFont(font());
    document.setPlainText(text());
    QTextOption option = document.defaultTextOption();
    option.setAlignment(QStyle::visualAlignment(layoutDirection(), m_alignment));
    option.setWrapMode(m_wordWrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
    document.setDefaultTextOption(option);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(0);
    document.rootFrame()->setFrameFormat(frame);
    if (width < 0 && m_wordWrap)
        document.adjustSize();
    else
        document.setTextWidth(m_wordWrap ? width : -1);
}

QSize LinkButton::sizeForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    QTextDocument document;
    layOut(document, width < 0 ? -1 : std::max(width - margins.left() - margins.right(), 0));
    const QSizeF size = document.size();
    return QSize(qCeil(size.width()) + margins.left() + margins.right(),
                 qCeil(size.height()) + margins.top() + margins.bottom())
        .expandedTo(minimumSize());
}

QSize LinkButton::sizeHint() const
{
    return sizeForWidth(-1);
}

QSize LinkButton::minimumSizeHint() const
{
    if (!m_wordWrap)
        return sizeHint();
    // As narrow as the longest word, as low as one line.
    return QSize(sizeForWidth(0).width(),
                 std::min(sizeHint().height(), sizeForWidth(QWIDGETSIZE_MAX).height()));
}

int LinkButton::heightForWidth(int width) const
{
    return m_wordWrap ? sizeForWidth(width).height() : QAbstractButton::heightForWidth(width);
}

void LinkButton::keyPressEvent(QKeyEvent *event)
{
    if (m_keys == Keys::SpaceOrEnter && clickOnEnter(this, event))
        return;
    // Space presses and releases the button, as in every Qt button.
    QAbstractButton::keyPressEvent(event);
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    QTextDocument document;
    layOut(document, area.width());
    // Whole pixels, as a label places its text.
    const qreal room = std::max(area.height() - document.size().height(), 0.0);
    int top = area.top();
    if (m_alignment & Qt::AlignVCenter)
        top += qFloor(room / 2);
    else if (m_alignment & Qt::AlignBottom)
        top += qFloor(room);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
    painter.save();
    painter.translate(area.left(), top);
    painter.setClipRect(QRectF(0, 0, area.width(), area.height()));
    document.documentLayout()->draw(&painter, context);
    painter.restore();

    if (Look::showsFocusCue(this))
        Look::drawFocusCue(painter, rect(), palette().color(foregroundRole()));
}

} // namespace Zentrova
