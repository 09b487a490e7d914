// SPDX-License-Identifier: MIT
// The fonts the windows are designed in.
#pragma once

#include <QFont>

namespace Zentrova::Look {

// Verdana where installed, otherwise a close installed sans hinted only
// vertically, at its design widths; pointSize as given (8.25, 9.75, ...).
QFont uiFont(qreal pointSize, bool bold = false, bool underline = false);
// The window font: 8.25 pt regular.
QFont windowFont();

} // namespace Zentrova::Look
