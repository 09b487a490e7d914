// A framed box with its caption set into the top line of an etched border,
// drawn by hand: the styles' own group boxes show their border too faintly,
// or not at all, on the program's coloured backgrounds.
#pragma once

#include <QGroupBox>

namespace Zentrova {

class CaptionFrame : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionFrame)

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Where the caption stands, in the frame's coordinates.
    QRect captionRect() const;
};

} // namespace Zentrova
