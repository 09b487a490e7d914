// SPDX-License-Identifier: MIT
#include "platform/logging.h"

namespace Zentrova {
Q_LOGGING_CATEGORY(lcZentrova, "zentrova", QtInfoMsg)
}
