// SPDX-License-Identifier: MIT
// Translated texts fitted into the places designed for the English ones.
#pragma once

#include <QSize>

class QWidget;

namespace Zentrova::Look {

// Fits a label's, a button's or a framed box's text into its control: a text
// its font cannot hold shrinks a quarter point at a time, to nine tenths of
// the control's own size at most, where a reader sees no change of type. A
// text that fits keeps the control's font. The English texts are designed to
// fit: while the application holds no translator (installTranslations hands
// it those it installs) nothing is measured and the answer is true. The calls
// to action and the links are never fitted: their translations are worded to
// fit. Call it after each change of text; false when the text does not fit
// even at the floor. room is where the text must fit, the control's own size
// when not given.
bool fitText(QWidget *control, QSize room = {});

} // namespace Zentrova::Look
