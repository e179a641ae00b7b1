// SPDX-License-Identifier: MIT
#include "settings/setupsettings.h"

#include "settings/datetime.h"
#include "settings/settingsstore.h"
#include "settings/setupview.h"

bool SaveSettings(SettingsStore &store, const SetupView &view, QString *error)
{
    StoredSetup setup;
    setup.timer = view.minutesText();
    setup.sd = view.isChoiceChecked(SetupView::Shutdown);
    setup.sm = view.isChoiceChecked(SetupView::SuspendMode);
    setup.am = view.isChoiceChecked(SetupView::AlarmMode);
    setup.tomorrow = view.tomorrow();
    setup.wakeUpVolume = view.wakeUpVolumeText();
    setup.startFile = view.startFile();
    setup.alarmTime = ToStoredDateTime(view.alarmDateTime());
    return store.write(setup, error);
}

void LoadSettings(SettingsStore &store, SetupView &view)
{
    const StoredSetup setup = store.read();
    if (!setup.timer)
        return;
    view.setMinutesText(*setup.timer);

    const std::pair<const std::optional<bool> &, SetupView::Choice> choices[]
        = {{setup.sd, SetupView::Shutdown}, {setup.sm, SetupView::SuspendMode}, {setup.am, SetupView::AlarmMode}};
    for (const auto &[flag, choice] : choices) {
        if (!flag)
            return;
        view.setChoiceChecked(choice, *flag);
    }

    if (!setup.tomorrow)
        return;
    view.setTomorrow(*setup.tomorrow);

    if (!setup.wakeUpVolume)
        return;
    view.setWakeUpVolumeText(*setup.wakeUpVolume);
    if (!setup.startFile)
        return;
    view.setStartFile(*setup.startFile);

    // Only the time of day is taken; the picker keeps its own date.
    const QDateTime stored = setup.alarmTime ? FromStoredDateTime(*setup.alarmTime) : QDateTime();
    if (!stored.isValid())
        return;
    view.setAlarmDateTime(QDateTime(view.alarmDateTime().date(), stored.time()));
}
