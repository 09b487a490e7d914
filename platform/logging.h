// SPDX-License-Identifier: MIT
// The program's logging category: a fault it works around is told in one
// line on standard error, "zentrova: ...".
#pragma once

#include <QLoggingCategory>

namespace Zentrova {
Q_DECLARE_LOGGING_CATEGORY(lcZentrova)
}
