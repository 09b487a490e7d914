#include "ui/main/diepicture.h"

#include "ui/clickable.h"
#include "ui/look.h"

#include <QMouseEvent>

namespace Zentrova {

DiePicture::DiePicture(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    Look::setBackground(this, Qt::white);
    Look::setTextColour(this, Qt::black);
}

// The press and release stay here, so a click on a die is never also a click
// on the frame around it.
void DiePicture::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void DiePicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        Q_EMIT clicked();
}

} // namespace Zentrova
