// SPDX-License-Identifier: MIT
// The main window alone: its start-up events, the rules of its controls,
// what it asks of the program and how it shows what it is told.

#include <QClipboard>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

#include "form.h"
#include "ui/pictures.h"

class WindowRulesTest : public QObject {
    Q_OBJECT

    static QColor fieldColour(const QLineEdit *field) { return field->palette().color(QPalette::Base); }
    static QList<QWidget *> alarmGroup(const Form &f)
    {
        return {f.alarmPanel,     f.alarmTimeEdit,  f.tomorrowCheck, f.startFileEdit, f.wakeUpAtLabel,
                f.startFileLabel, f.setVolumeLabel, f.percentLabel,  f.wakeVolumeEdit};
    }
    static bool allEnabled(const QList<QWidget *> &widgets, bool enabled)
    {
        for (QWidget *w : widgets)
            if (w->isEnabled() != enabled)
                return false;
        return true;
    }

private slots:
    void startUpOrder()
    {
        MainWindow window;
        QStringList calls;
        connect(&window, &MainWindow::opening, [&calls] { calls << QStringLiteral("opening"); });
        connect(&window, &MainWindow::firstActivated, [&calls] { calls << QStringLiteral("firstActivated"); });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(calls, QStringList({"opening", "firstActivated"}));

        // Hiding, showing and activating again runs neither the opening nor the first activation.
        window.hide();
        window.show();
        window.activateWindow();
        QTest::qWait(50);
        QCOMPARE(calls.size(), 2);
    }

    void setupGroupOperations()
    {
        MainWindow window;
        Form f(window);
        const QList<QWidget *> setup {f.volumeSlider, f.shutdownChoice, f.suspendChoice,
                                      f.alarmChoice,  f.minutesEdit,    f.contactLink};

        f.tell(WindowView::State::Idle, QStringLiteral("Set timer"));
        f.tell(WindowView::State::Running);
        QVERIFY(allEnabled(setup, false));
        QVERIFY(allEnabled(alarmGroup(f), false));
        QCOMPARE(f.statusText(), QString());
        // Start/Cancel, Exit and the readout work in every state.
        QVERIFY(f.startCancelButton->isEnabled() && f.exitButton->isEnabled() && f.timerPanel->isEnabled());

        f.tell(WindowView::State::Idle);
        QVERIFY(allEnabled(setup, true));
        QVERIFY(allEnabled(alarmGroup(f), true));

        // After a session in "Shutdown" the alarm group stays disabled.
        f.shutdownChoice->setChecked(true);
        f.tell(WindowView::State::Running);
        f.tell(WindowView::State::Idle);
        QVERIFY(allEnabled(setup, true));
        QVERIFY(allEnabled(alarmGroup(f), false));
    }

    void alarmGroupColoursAndStatus()
    {
        MainWindow window;
        Form f(window);
        // The alarm group enabled: both fields white, the status kept; disabled: the status cleared too.
        for (QRadioButton *choice : {f.shutdownChoice, f.alarmChoice}) {
            f.window.markMissing({SetupField::Minutes});
            f.window.markMissing({SetupField::WakeUpPercent});
            f.tell(WindowView::State::Idle, QStringLiteral("Set volume"));
            choice->setChecked(true);
            QCOMPARE(fieldColour(f.minutesEdit), QColor(Qt::white));
            QCOMPARE(fieldColour(f.wakeVolumeEdit), QColor(Qt::white));
            QCOMPARE(f.statusText(), choice == f.alarmChoice ? QStringLiteral("Set volume") : QString());
        }
    }

    void choiceRules()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));

        // Clicking the choice already checked runs no rule: the status stays.
        f.tell(WindowView::State::Idle, QStringLiteral("Set timer"));
        f.window.markMissing({SetupField::Minutes});
        QTest::mouseClick(f.alarmChoice, Qt::LeftButton);
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));
        QCOMPARE(fieldColour(f.minutesEdit), MainWindow::Fuchsia);

        // "Shutdown" greys the alarm group, blocks browse, clears the status, whitens both fields.
        QTest::mouseClick(f.shutdownChoice, Qt::LeftButton);
        QVERIFY(f.shutdownChoice->isChecked() && !f.alarmChoice->isChecked());
        QVERIFY(allEnabled(alarmGroup(f), false));
        QVERIFY(!f.browseButton->isEnabledTo(&f.window) || !f.alarmPanel->isEnabled());
        QCOMPARE(f.statusText(), QString());
        QCOMPARE(fieldColour(f.minutesEdit), QColor(Qt::white));

        // "Alarm mode" enables the group again and leaves the status alone.
        f.tell(WindowView::State::Idle, QStringLiteral("Set timer"));
        QTest::mouseClick(f.alarmChoice, Qt::LeftButton);
        QVERIFY(allEnabled(alarmGroup(f), true));
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));

        // Code that checks a choice runs its rule too.
        f.suspendChoice->setChecked(true);
        QVERIFY(allEnabled(alarmGroup(f), false));
        QVERIFY(!f.alarmChoice->isChecked());
    }

    void digitFilters_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("minutes") << 1;
        QTest::newRow("wake-up volume") << 3;
    }

    void digitFilters()
    {
        QFETCH(int, field);
        MainWindow window;
        Form f(window);
        QLineEdit *edit = field == 1 ? f.minutesEdit : f.wakeVolumeEdit;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        edit->setFocus();

        // A letter is dropped but still clears the fuchsia mark; the status text stays.
        if (edit == f.minutesEdit)
            f.window.markMissing({SetupField::Minutes});
        else
            f.window.markMissing({SetupField::WakeUpPercent});
        f.tell(WindowView::State::Idle, QStringLiteral("Set timer"));
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(fieldColour(edit), QColor(Qt::white));
        QCOMPARE(f.statusText(), QStringLiteral("Set timer"));

        QTest::keyClicks(edit, QStringLiteral("4x -5"));
        QCOMPARE(edit->text(), QStringLiteral("45"));
        // A third digit is refused by the two-character limit.
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->text(), QStringLiteral("45"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("4"));

        // The clipboard shortcuts are characters too, and are dropped.
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("4"));
        // Pasting through the menu is not filtered, but the limit holds.
        edit->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("ab7"));
        edit->paste();
        QVERIFY(edit->text().size() <= 2);

        // Text put there by code is not limited.
        edit->setText(QStringLiteral("120"));
        QCOMPARE(edit->text(), QStringLiteral("120"));
    }

    void startFileTooltipFollowsText()
    {
        MainWindow window;
        Form f(window);
        QCOMPARE(f.startFileEdit->toolTip(), QString());
        f.startFileEdit->setText(QStringLiteral("/home/me/Music/a rather long name.ogg"));
        QTest::mouseMove(f.startFileEdit, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), f.startFileEdit->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.startFileEdit, &move);
        QCOMPARE(f.startFileEdit->toolTip(), QStringLiteral("/home/me/Music/a rather long name.ogg"));
    }

    // Whether the computer can wake itself is asked as the box is ticked, and
    // again each time its hint shows; the answer is the hint.
    void sleepBoxHintFollowsTheWakeRoute()
    {
        MainWindow window;
        Form f(window);
        QSignalSpy wanted(&window, &MainWindow::wakeRouteWanted);
        f.alarmChoice->setChecked(true);
        f.sleepCheck->setChecked(true);
        QCOMPARE(wanted.size(), 1);
        window.showWakeRouteTip(QStringLiteral("This computer cannot wake itself for the alarm"));
        QHelpEvent hint(QEvent::ToolTip, QPoint(5, 5), f.sleepCheck->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(f.sleepCheck, &hint);
        QCOMPARE(wanted.size(), 2);
        QCOMPARE(f.sleepCheck->toolTip(), QStringLiteral("This computer cannot wake itself for the alarm"));
    }

    void contactLink()
    {
        MainWindow window;
        Form f(window);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));

        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), f.contactLink->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.contactLink, &move);
        QCOMPARE(f.contactLink->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(f.contactLink, &leave);
        QCOMPARE(f.contactLink->palette().color(QPalette::WindowText), MainWindow::DesktopColour);

        QSignalSpy opened(&window, &MainWindow::linkActivated);
        QTest::mouseClick(f.contactLink, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opened.value(0).value(0).toUrl(), QUrl(QStringLiteral("mailto:support@somnelle.org")));

        // During a night the link is part of the disabled setup controls.
        f.tell(WindowView::State::Running);
        QTest::mouseClick(f.contactLink, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opened.size(), 1);
    }

    void browseKeepsTextWhenCancelled()
    {
        MainWindow window;
        Form f(window);
        auto *dialog = f.openDialog;
        QSignalSpy edited(&window, &MainWindow::setupEdited);
        const auto browse = [&f] { f.browseButton->click(); };
        QTimer::singleShot(0, dialog, &QDialog::reject);
        browse();
        QCOMPARE(f.startFileEdit->text(), QStringLiteral("europe.mid"));

        QTemporaryFile tune(QDir::tempPath() + QStringLiteral("/tune-XXXXXX.mid"));
        QVERIFY(tune.open());
        QTimer::singleShot(0, dialog, [&, dialog] {
            // Type the name into the dialog, as a user would, and press Open.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(tune.fileName());
            QTest::keyClick(name, Qt::Key_Return);
        });
        browse();
        QCOMPARE(f.startFileEdit->text(), QFileInfo(tune.fileName()).absoluteFilePath());

        // A name that does not exist yet is taken as it stands.
        const QString later = QDir::tempPath() + QStringLiteral("/not-there-yet.mid");
        QTimer::singleShot(0, dialog, [&, dialog] {
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(later);
            QTest::keyClick(name, Qt::Key_Return);
        });
        browse();
        QCOMPARE(f.startFileEdit->text(), later);
        // Each file chosen is an edit of the person's; the cancelled dialog is none.
        QCOMPARE(edited.size(), 2);
        QCOMPARE(edited.last().value(0).value<Setup>().startFile, later);
    }

    void buttonsForwardAndExit()
    {
        MainWindow window;
        Form f(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy started(&window, &MainWindow::startCancelClicked), exited(&window, &MainWindow::exitClicked);
        // Start with the fields as they stand: the new window's lack the minutes and the volume.
        QTest::mouseClick(f.startCancelButton, Qt::LeftButton);
        QCOMPARE(started.size(), 1);
        const Setup fields = started.value(0).value(0).value<Setup>();
        QCOMPARE(std::tie(fields.minutes, fields.wakeUpPercent, fields.startFile),
                 std::make_tuple(QString(), QString(), QStringLiteral("europe.mid")));
        QVERIFY(exited.isEmpty());
        QTest::mouseClick(f.exitButton, Qt::LeftButton);
        QCOMPARE(exited.size(), 1);
    }

    void sliderChangesAndWheel()
    {
        MainWindow window;
        Form f(window);
        QSignalSpy moved(&window, &MainWindow::volumeMoved), turned(&window, &MainWindow::wheelTurned);
        f.volumeSlider->setValue(1234);
        f.volumeSlider->setValue(1234); // no change, nothing to set

        // Wheel notches over the window, and over the slider, are whole steps of the volume.
        QWheelEvent up(QPointF(5, 5), f.window.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 240), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f.window, &up);
        QWheelEvent halfDown(QPointF(5, 5), f.window.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -60), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f.window, &halfDown);
        QApplication::sendEvent(&f.window, &halfDown);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved.value(0).value(0).toInt(), 1234);
        QList<bool> notches;
        for (const QList<QVariant> &notch : turned)
            notches << notch.value(0).toBool();
        QCOMPARE(notches, QList<bool>({true, true, false}));
        // The slider shows the level it is told, moved without taking it for the user's move.
        window.showLevel(2234);
        window.showPercent(3);
        QCOMPARE(f.volumeSlider->value(), 2234);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(f.volumeReadout->text(), QStringLiteral("Volume: 3 %"));
    }

    // The night as the program tells it: the running look, the percent in the
    // title; while it runs the window stays when closed, and while the wake-up
    // sounds a press anywhere only silences it.
    void showsTheNight()
    {
        MainWindow window;
        Form f(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy closed(&window, &MainWindow::closedWhileBusy), silence(&window, &MainWindow::silenceRequested);
        f.tell(WindowView::State::Running, QStringLiteral("Fading until 22:01"), QString(),
               QStringLiteral("45 % - Somnelle "));
        QCOMPARE(f.startCancelButton->accessibleName(), QStringLiteral("Cancel"));
        QCOMPARE(f.startCancelButton->picture().toImage(),
                 Pictures::keyed(QStringLiteral(":/pictures/cancel.bmp")).toImage());
        QVERIFY(!f.minutesEdit->isEnabled() && !f.volumeSlider->isEnabled() && !f.alarmPanel->isEnabled());
        QCOMPARE(f.statusText(), QStringLiteral("Fading until 22:01"));
        QCOMPARE(window.windowTitle(), QStringLiteral("45 % - Somnelle "));
        QCloseEvent close;
        QApplication::sendEvent(&window, &close);
        QVERIFY(!close.isAccepted());
        QCOMPARE(closed.size(), 1);

        f.tell(WindowView::State::Sounding, QStringLiteral("Start file not found: gone.mid"));
        QCOMPARE(f.startCancelButton->accessibleName(), QStringLiteral("Start"));
        QCOMPARE(window.windowTitle(), MainWindow::restCaption());
        QTest::mouseClick(f.tomorrowCheck, Qt::LeftButton);
        QCOMPARE(silence.size(), 1);
        QVERIFY(!f.tomorrowCheck->isChecked()); // the press did nothing else

        // Where one fell asleep, offered at rest as a link, hidden by a message.
        QSignalSpy resume(&window, &MainWindow::resumeRequested);
        f.tell(WindowView::State::Idle);
        window.showResumeOffer(QStringLiteral("Resume \"Nocturne\" from 1:30"));
        QVERIFY(f.resumeLink->isVisible());
        QTest::mouseClick(f.resumeLink, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(resume.size(), 1);
        f.tell(WindowView::State::Idle, QStringLiteral("Set timer"));
        QVERIFY(!f.resumeLink->isVisible());
        // Offered again under a message (a resume's answer), it waits for the message to go.
        f.tell(WindowView::State::Idle, QStringLiteral("mpv is gone: \"Nocturne\" cannot be resumed"));
        window.showResumeOffer(QStringLiteral("Resume \"Nocturne\" from 1:30"));
        QVERIFY(!f.resumeLink->isVisible());
        f.tell(WindowView::State::Idle);
        QVERIFY(f.resumeLink->isVisible());

        // At rest it says what the program says then: a window for trying says so, also once cleared.
        f.tell(WindowView::State::Idle, QString(), QStringLiteral("Dry run: the computer stays on"));
        QCOMPARE(f.statusText(), QStringLiteral("Dry run: the computer stays on"));
        f.tell(WindowView::State::Idle, QStringLiteral("Set timer"), QStringLiteral("Dry run: the computer stays on"));
        f.shutdownChoice->click();
        QCOMPARE(f.statusText(), QStringLiteral("Dry run: the computer stays on"));
        QApplication::sendEvent(&window, &close);
        QVERIFY(close.isAccepted());
    }

    // A setup shown fills the fields, and a choice it makes runs its rule; the
    // person's edits, and Start, tell the fields as they stand, and only those.
    void setupFromAndToTheFields()
    {
        MainWindow window;
        Form f(window);
        QSignalSpy edited(&window, &MainWindow::setupEdited), started(&window, &MainWindow::startCancelClicked);
        Setup setup;
        setup.minutes = QStringLiteral("120");
        setup.endAction = EndAction::PowerOff;
        setup.wakeUpTime = QTime(7, 30);
        setup.tomorrow = true;
        setup.wakeUpPercent = QStringLiteral("40");
        setup.startFile = QStringLiteral("tune.ogg");
        window.showSetup(setup);
        QVERIFY(edited.isEmpty());
        f.startCancelButton->click();
        const Setup shown = started.value(0).value(0).value<Setup>();
        QCOMPARE(std::tie(shown.minutes, shown.endAction, shown.wakeUpTime, shown.tomorrow, shown.wakeUpPercent,
                          shown.startFile),
                 std::tie(setup.minutes, setup.endAction, setup.wakeUpTime, setup.tomorrow, setup.wakeUpPercent,
                          setup.startFile));
        QCOMPARE(f.alarmTimeEdit->date(), QDate(2006, 6, 13)); // the picker keeps its date
        QVERIFY(!f.alarmPanel->isEnabled());
        // None chosen (a settings file may say so): all three unchecked, and no rule runs.
        setup.endAction = EndAction::None;
        window.showSetup(setup);
        QVERIFY(!f.shutdownChoice->isChecked() && !f.suspendChoice->isChecked() && !f.alarmChoice->isChecked());
        QVERIFY(!f.alarmPanel->isEnabled());
        // The person's edits, each told with the fields.
        QTest::keyClicks(f.minutesEdit, QStringLiteral("5"));
        f.alarmChoice->click();
        f.alarmTimeEdit->setTime(QTime(6, 0));
        QCOMPARE(edited.size(), 3);
        const Setup last = edited.last().value(0).value<Setup>();
        QCOMPARE(std::tie(last.minutes, last.endAction, last.wakeUpTime),
                 std::make_tuple(QStringLiteral("1205"), EndAction::Alarm, QTime(6, 0)));
        // With the track, the minutes are the track's: the program tells them.
        f.trackCheck->click();
        QVERIFY(edited.last().value(0).value<Setup>().endWithTrack && !f.minutesEdit->isEnabled());
        window.showMinutes(QStringLiteral("4"));
        QCOMPARE(f.minutesEdit->text(), QStringLiteral("4"));
    }
};

QTEST_MAIN(WindowRulesTest)
#include "test_window_rules.moc"
