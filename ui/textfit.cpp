// SPDX-License-Identifier: MIT
#include "ui/textfit.h"

#include <QGroupBox>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace Zentrova::Look {

namespace {

// The control's own font, before any fitting, kept with the control.
constexpr char DesignedFontProperty[] = "zentrovaDesignedFont";

bool textFits(const QWidget *control, QSize room)
{
    // A framed box's caption stands in its top line.
    if (const auto *box = qobject_cast<const QGroupBox *>(control))
        return box->fontMetrics().horizontalAdvance(box->title()) + 4 <= room.width();
    // A wrapping text needs its height at the width it has.
    if (control->hasHeightForWidth())
        return control->heightForWidth(room.width()) <= room.height();
    const QSize wanted = control->sizeHint();
    return wanted.width() <= room.width() && wanted.height() <= room.height();
}

} // namespace

bool fitText(QWidget *control, QSize room)
{
    if (!room.isValid())
        room = control->size();
    const QVariant designed = control->property(DesignedFontProperty);
    if (designed.isValid())
        control->setFont(designed.value<QFont>());
    else
        control->setProperty(DesignedFontProperty, control->font());
    QFont font = control->font();
    const qreal floor = 0.9 * font.pointSizeF();
    while (!textFits(control, room) && font.pointSizeF() - 0.25 >= floor) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
    return textFits(control, room);
}

} // namespace Zentrova::Look
