// SPDX-License-Identifier: MIT
// Label sizing, fonts and buttons shared by the farewell and about windows.
#pragma once

#include <QFont>
#include <QPushButton>

class QWidget;

namespace Zentrova {

// The style tints the default button's face with its highlight colour, and
// a button that takes Enter (autoDefault) becomes the default one while it
// has the focus. This button keeps the face of one that is not the default:
// the style's own, or a flat face of its palette's button colour inside the
// style's border, caption and focus cue.
class UntintedPushButton final : public QPushButton
{
public:
    enum class Face { Styled, Flat };

    UntintedPushButton(const QString &text, QWidget *parent, Face face = Face::Styled)
        : QPushButton(text, parent), m_face(face)
    {}

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Face m_face;
};

} // namespace Zentrova

namespace Zentrova::SideLook {

// Sizes a label or link to its text from its placed top-left corner, keeping it left
// of rightEdge (pixels in the parent): a text too wide for the room is set
// narrower, and moved left if that is not enough.
void sizeToText(QWidget *label, int rightEdge);

// The desktop's own sans-serif at the given size, for a large title that no
// designed face is asked for.
QFont desktopSansFont(qreal pointSize);

} // namespace Zentrova::SideLook
