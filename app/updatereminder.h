// SPDX-License-Identifier: MIT
// The start-up reminder that offers the download page at most once in fifteen
// days.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace Zentrova {

class Platform;

inline const QString ReminderSection = QStringLiteral("Settings");
// Holds a date, that of the last question, whatever its name says: the name
// is the one earlier copies of the program stored it under, and kept so that
// their settings still count.
inline const QString ReminderKey = QStringLiteral("Duration");

// Days either side of the stored date within which the reminder stays quiet.
inline constexpr qint64 ReminderQuietDays = 14;

enum class ReminderStep {
    Abandon,      // the store could not be read, or today is unknown
    RecordToday,  // nothing usable stored: remember today, ask nothing
    StayQuiet,    // asked recently enough: ask nothing, write nothing
    AskAndRecord, // ask, then remember today whatever the answer
};

// stored: the stored text, or nullopt when the store could not be read.
ReminderStep reminderStep(const std::optional<QString> &stored, const QDate &today);

// The stored text for a date.
QString reminderText(const QDate &date);

void runUpdateReminder(Platform &platform);

} // namespace Zentrova
