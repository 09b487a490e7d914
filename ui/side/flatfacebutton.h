// SPDX-License-Identifier: MIT
// A push button with a flat face of its palette's button colour inside the
// style's border, caption and focus cue, never tinted as a dialog's default
// button is by the style.
#pragma once

#include <QPushButton>

namespace Zentrova {

class FlatFaceButton final : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zentrova
