// SPDX-License-Identifier: MIT
#include "ui/mainwindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QWheelEvent>

#include "somnelleversion.h"
#include "platform/clockformat.h"
#include "platform/shell.h"
#include "session/volumecontrol.h"
#include "ui/etchedline.h"
#include "ui/linklabel.h"
#include "ui/picture.h"
#include "ui/picturebutton.h"
#include "ui/pictures.h"
#include "ui/caretrest.h"
#include "ui/trackbar.h"
#include "ui/trackbarstyle.h"
#include "ui/volumereadout.h"

const QColor MainWindow::SkyBlue(0xA6, 0xCA, 0xF0);
const QColor MainWindow::Fuchsia(0xFF, 0x00, 0xFF);
// Linux desktops publish no desktop-background colour; this is the classic one.
const QColor MainWindow::DesktopColour(0x3A, 0x6E, 0xA5);
const QString MainWindow::SupportAddress = QStringLiteral("support@somnelle.org");

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor LinkBlue(0x00, 0x00, 0xFF);

// Debian's fonts-wine ships a font with Tahoma's metrics that fontconfig does not list.
void registerTahoma()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

QFont tahoma(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A label keeps the form's size, or grows to fit its text.
void fitToText(QLabel *label)
{
    label->resize(label->sizeHint().expandedTo(label->size()));
}

// The big buttons' pictures hold their words: the pictures as drawn for
// English, and their words written anew in another language.
QPixmap buttonPicture(const QString &resource, const QString &english, const QString &word, int wordLeft)
{
    return word == english ? Pictures::keyed(resource) : Pictures::worded(resource, word, wordLeft);
}

} // namespace

QString MainWindow::restCaption()
{
    return tr("Somnelle v%1 (c) 2026 The Somnelle developers, free software").arg(QStringLiteral(SOMNELLE_VERSION));
}

MainWindow::MainWindow(SessionController &session, VolumeControl &volume, Shell &shell)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
    , session_(session)
    , volume_(volume)
    , shell_(shell)
{
    registerTahoma();
    setFont(tahoma(13));
    setFixedSize(413, 394);
    setWindowTitle(restCaption());
    setWindowIcon(QIcon(QStringLiteral(":/pictures/somnelle.xpm")));
    setColour(this, QPalette::Window, SkyBlue);
    setAutoFillBackground(true);

    createLayout();
    setTabOrderOfFields();
    connectHandlers();
    connectControllers();
    // Presses anywhere on the window, whichever control gets them (see eventFilter).
    qApp->installEventFilter(this);
    new CaretRest(10000, this);
}

void MainWindow::createLayout()
{
    // The form's controls inherit the window's font; what follows are the
    // fonts, colours, pictures and text-fitted sizes the form leaves open.
    setupUi(this);
    startPicture_ = buttonPicture(QStringLiteral(":/pictures/start.bmp"), QStringLiteral("Start"), tr("Start"), 42);
    cancelPicture_ = buttonPicture(QStringLiteral(":/pictures/cancel.bmp"), QStringLiteral("Cancel"), tr("Cancel"), 38);
    skyPicture->setPixmap(Pictures::sky());
    skyPicture->lower(); // the sky lies under all the controls
    startCancelButton->setPicture(startPicture_);
    exitButton->setPicture(
        buttonPicture(QStringLiteral(":/pictures/exit.bmp"), QStringLiteral("Exit"), tr("Exit"), 42));

    QFont linkFont = tahoma(9);
    linkFont.setUnderline(true);
    contactLink->setFont(linkFont);
    contactLink->resize(contactLink->sizeHint());
    contactLink->setColours(DesktopColour, LinkBlue);
    contactLink->setToolTip(SupportAddress);

    titleLabel->setFont(tahoma(23, true));
    titleLabel->resize(titleLabel->sizeHint());
    setColour(titleLabel, QPalette::WindowText, SkyBlue);

    setColour(statusBar, QPalette::Window, SkyBlue);
    setColour(statusBar, QPalette::WindowText, palette().color(QPalette::ButtonText));

    for (QFrame *panel : {alarmPanel, timerPanel}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(1);
        panel->setAutoFillBackground(true);
    }

    openDialog = new QFileDialog(this, tr("Open file to start"));
    // A typed name is taken as it stands: the file may only appear by morning.
    openDialog->setFileMode(QFileDialog::AnyFile);
    openDialog->setOption(QFileDialog::DontUseNativeDialog);

    // The timer panel.
    loudspeakerPicture->setPixmap(Pictures::keyed(QStringLiteral(":/pictures/loudspeaker.bmp")));
    // Sized once for the widest readout, and opaque: a new percent repaints the readout alone.
    volumeReadout->setText(VolumeReadout::textFor(100));
    fitToText(volumeReadout);
    volumeReadout->setText(tr("Volume: "));
    auto *trackBarStyle = new TrackBarStyle();
    trackBarStyle->setParent(volumeSlider);
    volumeSlider->setStyle(trackBarStyle);
    clockFacePicture->setPixmap(Pictures::keyed(QStringLiteral(":/pictures/clockface.bmp")));

    // The alarm panel.
    alarmClockPicture->setPixmap(Pictures::keyed(QStringLiteral(":/pictures/alarmclock.bmp")));
    browseButton->setPicture(Pictures::keyed(QStringLiteral(":/pictures/browse.bmp")));
    // The time of day as the user's locale writes it, with seconds, in its own words for AM and PM.
    alarmTimeEdit->setLocale(QLocale::system());
    alarmTimeEdit->setDisplayFormat(ClockFormat::withSeconds(QLocale::system()));
    alarmTimeEdit->setDateTime(QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
    setColour(alarmTimeEdit, QPalette::Base, SkyBlue);
    for (QLineEdit *field : std::initializer_list<QLineEdit *> {minutesEdit, startFileEdit, wakeVolumeEdit})
        field->setFont(tahoma(11));
    for (QLabel *label :
         {turnDownLabel, forLabel, minLabel, thenLabel, wakeUpAtLabel, startFileLabel, setVolumeLabel, percentLabel})
        fitToText(label);
    // Between the panel's edge and the wake-up time it may only grow wider:
    // a script with taller lines (Chinese, Japanese) still fits its height.
    sleepCheck->resize(qMax(sleepCheck->width(), sleepCheck->sizeHint().width()), sleepCheck->height());
    sleepCheck->setToolTip(tr("Suspend the computer after the fade and let it wake itself for the alarm"));

    // Object names follow the component names, as a form designer would give them.
    const std::pair<QObject *, const char *> names[] = {{statusBar, "StatusBar1"},
                                                        {alarmPanel, "Panel1"},
                                                        {alarmTimeEdit, "DateTimePicker1"},
                                                        {wakeUpAtLabel, "Label10"},
                                                        {startFileLabel, "Label11"},
                                                        {startFileEdit, "Edit2"},
                                                        {tomorrowCheck, "CheckBox1"},
                                                        {alarmClockPicture, "Image1"},
                                                        {timerPanel, "Panel2"},
                                                        {loudspeakerPicture, "Image2"},
                                                        {volumeReadout, "Label6"},
                                                        {volumeSlider, "TrackBar3"},
                                                        {clockFacePicture, "Image3"},
                                                        {turnDownLabel, "Label1"},
                                                        {forLabel, "Label2"},
                                                        {minLabel, "Label3"},
                                                        {minutesEdit, "Edit1"},
                                                        {thenLabel, "Label4"},
                                                        {shutdownChoice, "RadioButton1"},
                                                        {suspendChoice, "RadioButton2"},
                                                        {shutdownSuspendLine, "Bevel2"},
                                                        {alarmChoice, "RadioButton3"},
                                                        {suspendAlarmLine, "Bevel4"},
                                                        {setVolumeLabel, "Label12"},
                                                        {wakeVolumeEdit, "Edit3"},
                                                        {percentLabel, "Label13"},
                                                        {skyPicture, "Image4"},
                                                        {startCancelButton, "SpeedButton1"},
                                                        {contactLink, "Label7"},
                                                        {exitButton, "SpeedButton4"},
                                                        {openDialog, "OpenDialog1"},
                                                        {browseButton, "SpeedButton5"},
                                                        {titleLabel, "Label14"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));

    // The two panels are the only sky-blue surfaces between the sky and their contents.
    for (QWidget *panel : {alarmPanel, timerPanel})
        setColour(panel, QPalette::Window, SkyBlue);
}

void MainWindow::setTabOrderOfFields()
{
    // The timer panel comes before the alarm panel.
    // Start/Cancel and Exit come last.
    const QList<QWidget *> order {minutesEdit,    volumeSlider,  shutdownChoice,    suspendChoice,
                                  alarmChoice,    alarmTimeEdit, startFileEdit,     tomorrowCheck,
                                  wakeVolumeEdit, sleepCheck,    startCancelButton, exitButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectHandlers()
{
    connect(startCancelButton, &QAbstractButton::clicked, this, [this] { session_.startOrCancel(setup()); });
    connect(exitButton, &QAbstractButton::clicked, this, &MainWindow::exitClicked);
    connect(browseButton, &QAbstractButton::clicked, this, &MainWindow::browseForStartFile);
    connect(contactLink, &LinkLabel::activated, this,
            [this] { shell_.open(QUrl(QStringLiteral("mailto:") + SupportAddress)); });
    // The user's moves of the slider; the end of a drag counts too, even when the position stays.
    connect(volumeSlider, &QSlider::valueChanged, &volume_, [this](int level) { volume_.setLevel(quint16(level)); });
    connect(volumeSlider, &QSlider::sliderReleased, &volume_,
            [this] { volume_.setLevel(quint16(volumeSlider->value())); });

    // A choice's rule runs whenever it becomes checked, by the user or by code.
    // Of the three choices only the checked one is a tab stop.
    for (QRadioButton *choice : {shutdownChoice, suspendChoice, alarmChoice}) {
        choice->setFocusPolicy(choice->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(choice, &QRadioButton::toggled, choice,
                [choice](bool checked) { choice->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
    }
    // Shutdown and Suspend mode need no alarm.
    for (QRadioButton *choice : {shutdownChoice, suspendChoice})
        connect(choice, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                disableAlarmControls();
        });
    connect(alarmChoice, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            enableAlarmControls();
    });
    // Whether this computer can wake itself, said as soon as the box is ticked
    // and each time its hint shows: a power manager may come or go meanwhile.
    connect(sleepCheck, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            session_.findWakeRoute();
    });
    connect(sleepCheck, &FreshTipCheckBox::tipWanted, this, [this] {
        if (sleepCheck->isChecked())
            session_.findWakeRoute();
    });
}

void MainWindow::connectControllers()
{
    connect(&session_, &SessionController::phaseChanged, this, &MainWindow::showPhase);
    connect(&session_, &SessionController::statusChanged, this, &MainWindow::setStatusText);
    connect(&session_, &SessionController::titleChanged, this, &MainWindow::showTitle);
    connect(&session_, &SessionController::fieldMissing, this, &MainWindow::markMissing);
    connect(&session_, &SessionController::failed, this, &MainWindow::showError);
    connect(&session_, &SessionController::wakeRouteFound, this, &MainWindow::showWakeRoute);
    connect(&volume_, &VolumeControl::levelChanged, this, &MainWindow::showLevel);
    connect(&volume_, &VolumeControl::percentChanged, volumeReadout, &VolumeReadout::showPercent);
    connect(&volume_, &VolumeControl::mixerUnavailable, this, &MainWindow::showMixerError);
}

QList<QWidget *> MainWindow::alarmGroup() const
{
    return {alarmPanel,     alarmTimeEdit,  tomorrowCheck, startFileEdit,  wakeUpAtLabel,
            startFileLabel, setVolumeLabel, percentLabel,  wakeVolumeEdit, sleepCheck};
}

// The setup controls outside the alarm group, less the contact link, which is switched last.
QList<QWidget *> MainWindow::timerSetup() const
{
    return {volumeSlider, shutdownChoice, suspendChoice, alarmChoice, minutesEdit};
}

void MainWindow::enableAlarmControls()
{
    for (QWidget *control : alarmGroup())
        control->setEnabled(true);
    setFieldColour(wakeVolumeEdit, White);
    setFieldColour(minutesEdit, White);
}

void MainWindow::disableAlarmControls()
{
    for (QWidget *control : alarmGroup())
        control->setEnabled(false);
    setFieldColour(wakeVolumeEdit, White);
    setFieldColour(minutesEdit, White);
    setStatusText(QString());
}

void MainWindow::enableSetupControls()
{
    for (QWidget *control : timerSetup())
        control->setEnabled(true);
    if (alarmChoice->isChecked())
        enableAlarmControls();
    contactLink->setEnabled(true);
    volumeReadout->keepPictures(false);
}

void MainWindow::disableSetupControls()
{
    for (QWidget *control : timerSetup())
        control->setEnabled(false);
    disableAlarmControls();
    contactLink->setEnabled(false);
    // A session is starting: its fade changes the readout every few seconds.
    volumeReadout->keepPictures(true);
}

void MainWindow::activateOnce()
{
    if (activated_)
        return;
    activated_ = true;
    Q_EMIT firstActivated();
}

void MainWindow::browseForStartFile()
{
    openDialog->exec();
    const QStringList chosen = openDialog->selectedFiles();
    // A cancelled dialog chose nothing, and the start file stays as it was.
    if (openDialog->result() == QDialog::Accepted && !chosen.isEmpty())
        startFileEdit->setText(chosen.first());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // While the chime sounds, a press anywhere on the window, whichever
    // control gets it, only silences it.
    if (event->type() == QEvent::MouseButtonPress && session_.phase() == SessionController::Phase::Chiming
        && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this) {
        session_.silenceChime();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Q_EMIT opening();
    // The minutes take the focus first, also now that the buttons can take it.
    minutesEdit->setFocus();
    // Without a window manager (a scheduled start on a bare display) nobody
    // else activates the window.
    activateWindow();
    // A window started by a timer, or kept from the focus by the window
    // manager, may never be activated: the first activation's work runs
    // right after the show all the same, once.
    QMetaObject::invokeMethod(this, &MainWindow::activateOnce, Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activateOnce();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // During a session, or while its wake-up sounds, the window stays, and
    // the program ends once that is over.
    if (session_.phase() == SessionController::Phase::Idle) {
        event->accept();
        return;
    }
    event->ignore();
    session_.endWhenDone();
}

void MainWindow::wheelEvent(QWheelEvent *event)
{
    // One call per notch; fine-grained wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= 120) {
        wheelRemainder_ -= 120;
        volume_.stepByWheel(true);
    }
    while (wheelRemainder_ <= -120) {
        wheelRemainder_ += 120;
        volume_.stepByWheel(false);
    }
    event->ignore();
}
