// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>

#include "ui/linklabel.h"
#include "ui/mainwindow.h"
#include "ui/picturebutton.h"
#include "ui/volumereadout.h"

// The window's controls as its tests reach them: by their object names, as
// an accessibility tool or a person's eye finds them, never through the form.
struct Form {
    MainWindow &window;

    explicit Form(MainWindow &shown)
        : window(shown)
    {
    }

    template <class Control>
    Control *control(const char *name) const
    {
        auto *found = window.findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("the window has no %s", name);
        return found;
    }

    QString statusText() const { return statusBar->currentMessage(); }
    // The fields filled in, and the program told of the edit, as when a person types them.
    void fill(const Setup &setup)
    {
        window.showSetup(setup);
        Q_EMIT window.setupEdited(setup);
    }
    // What the program tells the window, each time a new saying for the status line.
    void tell(WindowView::State state, const QString &status = QString(), const QString &rest = QString(),
              const QString &title = QString())
    {
        window.showView({state, status, rest, title, ++said});
    }
    quint64 said = 0;

    QStatusBar *statusBar = control<QStatusBar>("StatusBar1");
    QFrame *alarmPanel = control<QFrame>("Panel1");
    QFrame *timerPanel = control<QFrame>("Panel2");
    QLineEdit *minutesEdit = control<QLineEdit>("Edit1");
    QLineEdit *startFileEdit = control<QLineEdit>("Edit2");
    QLineEdit *wakeVolumeEdit = control<QLineEdit>("Edit3");
    QDateTimeEdit *alarmTimeEdit = control<QDateTimeEdit>("DateTimePicker1");
    QCheckBox *tomorrowCheck = control<QCheckBox>("CheckBox1");
    QCheckBox *sleepCheck = control<QCheckBox>("sleepCheck");
    QCheckBox *trackCheck = control<QCheckBox>("trackCheck");
    LinkLabel *resumeLink = control<LinkLabel>("resumeLink");
    QRadioButton *shutdownChoice = control<QRadioButton>("RadioButton1");
    QRadioButton *suspendChoice = control<QRadioButton>("RadioButton2");
    QRadioButton *alarmChoice = control<QRadioButton>("RadioButton3");
    QSlider *volumeSlider = control<QSlider>("TrackBar3");
    VolumeReadout *volumeReadout = control<VolumeReadout>("Label6");
    PictureButton *startCancelButton = control<PictureButton>("SpeedButton1");
    PictureButton *exitButton = control<PictureButton>("SpeedButton4");
    PictureButton *browseButton = control<PictureButton>("SpeedButton5");
    LinkLabel *contactLink = control<LinkLabel>("Label7");
    QFileDialog *openDialog = control<QFileDialog>("OpenDialog1");
    QWidget *skyPicture = control<QWidget>("Image4");
    QLabel *turnDownLabel = control<QLabel>("Label1");
    QLabel *forLabel = control<QLabel>("Label2");
    QLabel *minLabel = control<QLabel>("Label3");
    QLabel *wakeUpAtLabel = control<QLabel>("Label10");
    QLabel *startFileLabel = control<QLabel>("Label11");
    QLabel *setVolumeLabel = control<QLabel>("Label12");
    QLabel *percentLabel = control<QLabel>("Label13");
};
