// SPDX-License-Identifier: MIT
#include "ui/textfit.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>
#include <QVariant>

#include <functional>

namespace Zentrova::Look {

namespace {

// The control's own font, before any fitting, kept with the control.
constexpr char DesignedFontProperty[] = "zentrovaDesignedFont";

// Whether the texts come in a translation: installTranslations gives the
// application its translators. The English texts are designed for their
// places, so without one there is nothing to fit, and nothing to measure.
bool textsTranslated()
{
    const QCoreApplication *application = QCoreApplication::instance();
    return application &&
           application->findChild<QTranslator *>(QString(), Qt::FindDirectChildrenOnly);
}

// A label of plain text with nothing around it lays its text out as
// QFontMetrics does, so a font can be tried on it without being set.
const QLabel *plainLabel(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->textFormat() != Qt::PlainText || label->frameWidth() != 0 ||
        label->margin() != 0 || label->indent() > 0 || !label->contentsMargins().isNull() ||
        !label->minimumSize().isNull())
        return nullptr;
    return label;
}

// Whether the control's text fits room in a font.
using Fits = std::function<bool(const QFont &font)>;

Fits fitsIn(QWidget *control, QSize room)
{
    // A framed box's caption stands in its top line.
    if (const auto *box = qobject_cast<const QGroupBox *>(control)) {
        return [box, room](const QFont &font) {
            return QFontMetrics(font).horizontalAdvance(box->title()) + 4 <= room.width();
        };
    }
    if (const QLabel *label = plainLabel(control)) {
        return [label, room](const QFont &font) {
            // QLabel's own measure: the room's width where the text wraps,
            // and 2000 pixels, QLabel's bound, where it does not.
            const int flags = Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = QFontMetrics(font).boundingRect(
                QRect(0, 0, label->wordWrap() ? room.width() : 2000, 2000), flags, label->text());
            return needed.height() <= room.height() &&
                   (label->wordWrap() || needed.width() <= room.width());
        };
    }
    // Anything else draws parts of the style around its text (a check box's
    // box): the control measures itself, in the font set on it.
    return [control, room](const QFont &font) {
        control->setFont(font);
        if (control->hasHeightForWidth())
            return control->heightForWidth(room.width()) <= room.height();
        const QSize wanted = control->sizeHint();
        return wanted.width() <= room.width() && wanted.height() <= room.height();
    };
}

} // namespace

bool fitText(QWidget *control, QSize room)
{
    const QVariant stored = control->property(DesignedFontProperty);
    const QFont designed = stored.isValid() ? stored.value<QFont>() : control->font();
    if (!textsTranslated()) {
        if (stored.isValid())
            control->setFont(designed);
        return true;
    }
    if (!stored.isValid())
        control->setProperty(DesignedFontProperty, designed);
    if (!room.isValid())
        room = control->size();

    const Fits fits = fitsIn(control, room);
    QFont font = designed;
    const qreal floor = 0.9 * designed.pointSizeF();
    bool fitting = fits(font);
    while (!fitting && font.pointSizeF() - 0.25 >= floor) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        fitting = fits(font);
    }
    if (control->font() != font)
        control->setFont(font);
    return fitting;
}

} // namespace Zentrova::Look
