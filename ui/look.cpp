// SPDX-License-Identifier: MIT
#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace Zentrova::Look {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

namespace {

// Resolved once: asking fontconfig for a missing family at every widget is
// slow.
QString uiFontFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &candidate :
             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
              QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Liberation Sans")}) {
            if (families.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

} // namespace

QFont uiFont(qreal pointSize, bool bold, bool underline)
{
    QFont font(uiFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont windowFont()
{
    return uiFont(8.25);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void useDesktopColours(QWidget *widget)
{
    const QPalette desktop = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourGroup = QPalette::ColorGroup(group);
            const auto colourRole = QPalette::ColorRole(role);
            palette.setBrush(colourGroup, colourRole, desktop.brush(colourGroup, colourRole));
        }
    }
    widget->setPalette(palette);
}

namespace {

void moveFrameToCentre(QWidget *window, const QMargins &frameMargins)
{
    const QScreen *screen = window->screen() ? window->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->geometry().marginsAdded(frameMargins);
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// Before it is shown a window has no frame yet, so the first centring places
// the client area alone and the decorations push the window off centre.
// Watches for the frame and centres the window again when it arrives.
class FrameWatcher final : public QObject
{
public:
    static inline const QString Name = QStringLiteral("frameWatcher");

    explicit FrameWatcher(QWidget *window) : QObject(window), m_window(window)
    {
        setObjectName(Name);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || !m_window->windowHandle())
            return false;
        if (event->type() != QEvent::Move && event->type() != QEvent::Show &&
            event->type() != QEvent::Resize)
            return false;
        const QMargins margins = m_window->windowHandle()->frameMargins();
        if (!margins.isNull()) {
            moveFrameToCentre(m_window, margins);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    const QMargins margins =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    moveFrameToCentre(window, margins);
    if (margins.isNull() &&
        !window->findChild<QObject *>(FrameWatcher::Name, Qt::FindDirectChildrenOnly))
        new FrameWatcher(window);
}

void setClickable(QWidget *widget)
{
    widget->setCursor(Qt::PointingHandCursor);
}

bool showsFocusCue(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

bool isPlainEnter(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && !(event->modifiers() & ~Qt::KeypadModifier);
}

bool clickOnEnter(QAbstractButton *button, QKeyEvent *event)
{
    if (!isPlainEnter(event))
        return false;
    if (!event->isAutoRepeat())
        button->click();
    event->accept();
    return true;
}

void drawFocusCue(QPainter &painter, const QRect &area, const QColor &colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

QPixmap picture(const QString &resourcePath)
{
    // QIcon takes the "@2x" file for dense screens by itself, and leaves a
    // picture at its own size.
    const QSize size = QImageReader(resourcePath).size();
    if (!size.isValid())
        return {};
    return QIcon(resourcePath).pixmap(size, qApp ? qApp->devicePixelRatio() : 1.0);
}

QIcon programIcon()
{
    // Read once: the program and each of its windows carry the same icon.
    static const QIcon icon = [] {
        QIcon files;
        files.addFile(QStringLiteral(":/pictures/icon/zentrova.png"));
        files.addFile(QStringLiteral(":/pictures/icon/zentrova@2x.png"));
        return files;
    }();
    return icon;
}

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
