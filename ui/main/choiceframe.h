// A captioned frame of the dice view that casts a reading when clicked, or
// when Space or Enter is pressed while it has the focus.
#pragma once

#include "ui/captionframe.h"
#include "ui/clickable.h"

namespace Zentrova {

class ChoiceFrame final : public CaptionFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChoiceFrame)

public:
    explicit ChoiceFrame(const QString &caption, QWidget *parent = nullptr);

    // Clicks, and Space, Return or Enter, come out as QGroupBox::clicked().

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ClickTracker m_click;
};

} // namespace Zentrova
