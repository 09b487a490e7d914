// SPDX-License-Identifier: MIT
#include "app/updatereminder.h"

#include "platform/logging.h"
#include "platform/platform.h"
#include "ui/openwebpage.h"
#include "web/links.h"

#include <QCoreApplication>

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
    // A failing step abandons the rest of the reminder, and start-up goes on;
    // each failure is told once on standard error.
    SettingsStore &store = platform.settings();
    const QDate today = platform.today();
    const std::optional<QString> stored = store.read(ReminderSection, ReminderKey);
    if (!stored) {
        qCWarning(lcZentrova).noquote() << "update reminder skipped:" << store.errorString();
        return;
    }
    switch (reminderStep(stored, today)) {
    case ReminderStep::Abandon:
    case ReminderStep::StayQuiet:
        return;
    case ReminderStep::RecordToday:
        if (!store.write(ReminderSection, ReminderKey, reminderText(today)))
            qCWarning(lcZentrova).noquote() << "first start not recorded:" << store.errorString();
        return;
    case ReminderStep::AskAndRecord:
        break;
    }

    // An answer that cannot be kept would bring the question back at every
    // start: ask only when the date can be recorded afterwards.
    if (!store.canWrite(ReminderSection, ReminderKey, reminderText(today))) {
        qCWarning(lcZentrova).noquote()
            << "update reminder skipped, its answer could not be kept:" << store.errorString();
        return;
    }
    // Runs before any window exists: the question has no parent.
    const MessageAnswer answer = platform.showMessage(
        nullptr, {QCoreApplication::translate("Zentrova::UpdateReminder",
                                              "There maybe an update to this software available\n"
                                              "Do you want to check for an update?"),
                  MessageIcon::Information,
                  MessageButtons::YesNo,
                  {}});
    if (!store.write(ReminderSection, ReminderKey, reminderText(today)))
        qCWarning(lcZentrova).noquote()
            << "update reminder's date not recorded:" << store.errorString();
    // The user asked for the page; a store that failed since does not change that.
    if (answer == MessageAnswer::Yes)
        openWebPage(platform, nullptr, linkAddress(Link::Download));
}

} // namespace Zentrova
