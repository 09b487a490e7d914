// What the hand-made clickable controls share: a mouse click told from a
// press and release, the keys that activate them and their focus cue.
#pragma once

#include <QColor>
#include <QRect>

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace Zentrova {

// A click is a left press and a left release inside the control. Controls
// keep both events, so a click on a child never reaches its parent too.
class ClickTracker final
{
public:
    void press(QMouseEvent *event);
    // True when this release completes a click inside area.
    bool release(QMouseEvent *event, const QRect &area);

private:
    bool m_pressed = false;
};

// Space, Return or Enter without Alt or Ctrl, not auto-repeated.
bool isActivationKey(const QKeyEvent *event);

} // namespace Zentrova
