// SPDX-License-Identifier: MIT
// A framed box with its caption set into the top line of an etched border,
// drawn by hand: the styles' own group boxes show their border too faintly,
// or not at all, on the program's coloured backgrounds.
#pragma once

#include <QGroupBox>

namespace Zentrova {

class CaptionFrame final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionFrame)

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Draws the etched border over the whole of widget, in its font and colours,
// with caption set into the top line; returns where the caption stands.
QRect drawCaptionFrame(QPainter &painter, const QWidget *widget, const QString &caption);

} // namespace Zentrova
