// Placement helpers shared by the farewell and about windows.
#pragma once

class QLabel;
class QWidget;

namespace Zentrova::SideLook {

// Sizes a label to its text from its placed top-left corner, keeping it left
// of rightEdge (pixels in the parent): a text too wide for the room is set
// narrower, and moved left if that is not enough.
void sizeToText(QLabel *label, int rightEdge);

// Gives a control inside a coloured frame the standard text colours back,
// which it would otherwise inherit from the frame.
void keepStandardText(QWidget *widget);

// Moves a top-level window of fixed size to the centre of its screen.
void centreOnScreen(QWidget *window);

} // namespace Zentrova::SideLook
