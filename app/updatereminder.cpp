#include "app/updatereminder.h"

#include "platform/platform.h"
#include "web/links.h"

namespace Zentrova {

ReminderStep reminderStep(const std::optional<QString> &stored, const QDate &today)
{
    if (!stored || !today.isValid())
        return ReminderStep::Abandon;
    // A value that is not a date as written here (a damaged store) counts as
    // none at all and is overwritten; otherwise it would silence the reminder
    // for good. Qt would read a date from the start of longer text.
    const QDate last = QDate::fromString(*stored, Qt::ISODate);
    if (!last.isValid() || reminderText(last) != *stored)
        return ReminderStep::RecordToday;
    const qint64 days = today.daysTo(last);
    if (days >= -ReminderQuietDays && days <= ReminderQuietDays)
        return ReminderStep::StayQuiet;
    return ReminderStep::AskAndRecord;
}

QString reminderText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

void runUpdateReminder(Platform &platform)
{
    // Any failing step abandons the rest of the reminder; start-up goes on.
    SettingsStore &store = platform.settings();
    const QDate today = platform.today();
    switch (reminderStep(store.read(ReminderSection, ReminderKey), today)) {
    case ReminderStep::Abandon:
    case ReminderStep::StayQuiet:
        return;
    case ReminderStep::RecordToday:
        store.write(ReminderSection, ReminderKey, reminderText(today));
        return;
    case ReminderStep::AskAndRecord:
        break;
    }

    // Runs before any window exists: the question has no parent.
    const MessageAnswer answer = platform.showMessage(
        nullptr, UpdateQuestion, ProgramTitle, MessageIcon::Information, MessageButtons::YesNo);
    if (!store.write(ReminderSection, ReminderKey, reminderText(today)))
        return;
    if (answer == MessageAnswer::Yes)
        openDownloadPage(platform);
}

} // namespace Zentrova
