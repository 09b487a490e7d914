// What the main window's hand-made clickable controls share: the keys that
// activate them and the dotted focus cue they draw.
#pragma once

#include <QColor>
#include <QRect>

class QKeyEvent;
class QPainter;

namespace Zentrova {

// Space, Return or Enter without Alt or Ctrl.
bool isActivationKey(const QKeyEvent *event);
// A dotted one-pixel rectangle just inside area.
void drawFocusCue(QPainter &painter, const QRect &area, const QColor &colour);

} // namespace Zentrova
