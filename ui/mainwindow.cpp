// SPDX-License-Identifier: MIT
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QWheelEvent>

#include "somnelleversion.h"
#include "platform/clockformat.h"
#include "ui_mainwindow.h"
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

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
    , form_(std::make_unique<Ui::MainWindowForm>())
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
    // Presses anywhere on the window, whichever control gets them (see eventFilter).
    qApp->installEventFilter(this);
    new CaretRest(10000, this);
}

MainWindow::~MainWindow() = default;

void MainWindow::createLayout()
{
    // The form's controls inherit the window's font; what follows are the
    // fonts, colours, pictures and text-fitted sizes the form leaves open.
    form_->setupUi(this);
    // Where the listener fell asleep, offered at rest: hidden by the status line's messages.
    resumeLink_ = new LinkLabel(form_->statusBar);
    resumeLink_->setObjectName(QStringLiteral("resumeLink"));
    resumeLink_->hide();
    form_->statusBar->addWidget(resumeLink_, 1);
    openDialog_ = new QFileDialog(this, tr("Open file to start"));
    // A typed name is taken as it stands: the file may only appear by morning.
    openDialog_->setFileMode(QFileDialog::AnyFile);
    openDialog_->setOption(QFileDialog::DontUseNativeDialog);
    drawPictures();
    setFontsAndColours();

    form_->contactLink->resize(form_->contactLink->sizeHint());
    form_->contactLink->setToolTip(SupportAddress);
    form_->titleLabel->resize(form_->titleLabel->sizeHint());
    // Sized once for the widest readout, and opaque: a new percent repaints the readout alone.
    form_->volumeReadout->setText(VolumeReadout::textFor(100));
    fitToText(form_->volumeReadout);
    form_->volumeReadout->setText(tr("Volume: "));
    auto *trackBarStyle = new TrackBarStyle();
    trackBarStyle->setParent(form_->volumeSlider);
    form_->volumeSlider->setStyle(trackBarStyle);
    // The time of day as the user's locale writes it, with seconds, in its own words for AM and PM.
    form_->alarmTimeEdit->setLocale(QLocale::system());
    form_->alarmTimeEdit->setDisplayFormat(ClockFormat::withSeconds(QLocale::system()));
    form_->alarmTimeEdit->setDateTime(QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
    for (QLabel *label : {form_->turnDownLabel, form_->forLabel, form_->minLabel, form_->thenLabel,
                          form_->wakeUpAtLabel, form_->startFileLabel, form_->setVolumeLabel, form_->percentLabel})
        fitToText(label);
    // A check box beside a field may only grow wider: a script with taller
    // lines (Chinese, Japanese) still fits its height.
    for (QCheckBox *box : std::initializer_list<QCheckBox *> {form_->sleepCheck, form_->trackCheck})
        box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
    form_->sleepCheck->setToolTip(tr("Suspend the computer after the fade and let it wake itself for the alarm"));
    nameControls();
}

void MainWindow::drawPictures()
{
    startPicture_ = buttonPicture(QStringLiteral(":/pictures/start.bmp"), QStringLiteral("Start"), tr("Start"), 42);
    cancelPicture_ = buttonPicture(QStringLiteral(":/pictures/cancel.bmp"), QStringLiteral("Cancel"), tr("Cancel"), 38);
    form_->skyPicture->setPixmap(Pictures::sky());
    form_->skyPicture->lower(); // the sky lies under all the controls
    form_->startCancelButton->setPicture(startPicture_);
    form_->exitButton->setPicture(
        buttonPicture(QStringLiteral(":/pictures/exit.bmp"), QStringLiteral("Exit"), tr("Exit"), 42));
    form_->loudspeakerPicture->setPixmap(Pictures::keyed(QStringLiteral(":/pictures/loudspeaker.bmp")));
    form_->clockFacePicture->setPixmap(Pictures::keyed(QStringLiteral(":/pictures/clockface.bmp")));
    form_->alarmClockPicture->setPixmap(Pictures::keyed(QStringLiteral(":/pictures/alarmclock.bmp")));
    form_->browseButton->setPicture(Pictures::keyed(QStringLiteral(":/pictures/browse.bmp")));
}

void MainWindow::setFontsAndColours()
{
    QFont linkFont = tahoma(9);
    linkFont.setUnderline(true);
    form_->contactLink->setFont(linkFont);
    form_->contactLink->setColours(DesktopColour, LinkBlue);
    resumeLink_->setFont(tahoma(13));
    QFont underlined = resumeLink_->font();
    underlined.setUnderline(true);
    resumeLink_->setFont(underlined);
    resumeLink_->setColours(palette().color(QPalette::ButtonText), LinkBlue);
    form_->titleLabel->setFont(tahoma(23, true));
    setColour(form_->titleLabel, QPalette::WindowText, SkyBlue);
    setColour(form_->statusBar, QPalette::Window, SkyBlue);
    setColour(form_->statusBar, QPalette::WindowText, palette().color(QPalette::ButtonText));
    setColour(form_->alarmTimeEdit, QPalette::Base, SkyBlue);
    for (QLineEdit *field :
         std::initializer_list<QLineEdit *> {form_->minutesEdit, form_->startFileEdit, form_->wakeVolumeEdit})
        field->setFont(tahoma(11));
    // The two panels are the only sky-blue surfaces between the sky and their contents.
    for (QFrame *panel : {form_->alarmPanel, form_->timerPanel})
        setColour(panel, QPalette::Window, SkyBlue);
}

void MainWindow::nameControls()
{
    // Object names follow the component names, as a form designer would give them.
    const Ui::MainWindowForm &f = *form_;
    const std::pair<QObject *, const char *> names[] = {{f.statusBar, "StatusBar1"},
                                                        {f.alarmPanel, "Panel1"},
                                                        {f.alarmTimeEdit, "DateTimePicker1"},
                                                        {f.wakeUpAtLabel, "Label10"},
                                                        {f.startFileLabel, "Label11"},
                                                        {f.startFileEdit, "Edit2"},
                                                        {f.tomorrowCheck, "CheckBox1"},
                                                        {f.alarmClockPicture, "Image1"},
                                                        {f.timerPanel, "Panel2"},
                                                        {f.loudspeakerPicture, "Image2"},
                                                        {f.volumeReadout, "Label6"},
                                                        {f.volumeSlider, "TrackBar3"},
                                                        {f.clockFacePicture, "Image3"},
                                                        {f.turnDownLabel, "Label1"},
                                                        {f.forLabel, "Label2"},
                                                        {f.minLabel, "Label3"},
                                                        {f.minutesEdit, "Edit1"},
                                                        {f.thenLabel, "Label4"},
                                                        {f.shutdownChoice, "RadioButton1"},
                                                        {f.suspendChoice, "RadioButton2"},
                                                        {f.shutdownSuspendLine, "Bevel2"},
                                                        {f.alarmChoice, "RadioButton3"},
                                                        {f.suspendAlarmLine, "Bevel4"},
                                                        {f.setVolumeLabel, "Label12"},
                                                        {f.wakeVolumeEdit, "Edit3"},
                                                        {f.percentLabel, "Label13"},
                                                        {f.skyPicture, "Image4"},
                                                        {f.startCancelButton, "SpeedButton1"},
                                                        {f.contactLink, "Label7"},
                                                        {f.exitButton, "SpeedButton4"},
                                                        {openDialog_, "OpenDialog1"},
                                                        {f.browseButton, "SpeedButton5"},
                                                        {f.titleLabel, "Label14"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));
}

void MainWindow::setTabOrderOfFields()
{
    // The timer panel comes before the alarm panel.
    // Start/Cancel and Exit come last.
    const QList<QWidget *> order {form_->minutesEdit,    form_->trackCheck,    form_->volumeSlider,
                                  form_->shutdownChoice, form_->suspendChoice, form_->alarmChoice,
                                  form_->alarmTimeEdit,  form_->startFileEdit, form_->tomorrowCheck,
                                  form_->wakeVolumeEdit, form_->sleepCheck,    form_->startCancelButton,
                                  form_->exitButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectHandlers()
{
    connect(form_->startCancelButton, &QAbstractButton::clicked, this, [this] { Q_EMIT startCancelClicked(fields()); });
    connect(form_->exitButton, &QAbstractButton::clicked, this, &MainWindow::exitClicked);
    connect(form_->browseButton, &QAbstractButton::clicked, this, &MainWindow::browseForStartFile);
    connect(form_->contactLink, &LinkLabel::activated, this,
            [this] { Q_EMIT linkActivated(QUrl(QStringLiteral("mailto:") + SupportAddress)); });
    connect(resumeLink_, &LinkLabel::activated, this, &MainWindow::resumeRequested);
    // With the track, the minutes are the track's: the program tells them.
    connect(form_->trackCheck, &QCheckBox::toggled, this, [this](bool withTrack) {
        form_->minutesEdit->setEnabled(!withTrack && view_.state != WindowView::State::Running);
    });
    // The user's moves of the slider; the end of a drag counts too, even when the position stays.
    connect(form_->volumeSlider, &QSlider::valueChanged, this,
            [this](int level) { Q_EMIT volumeMoved(quint16(level)); });
    connect(form_->volumeSlider, &QSlider::sliderReleased, this,
            [this] { Q_EMIT volumeMoved(quint16(form_->volumeSlider->value())); });

    // A choice's rule runs whenever it becomes checked, by the user or by code.
    // Of the three choices only the checked one is a tab stop.
    for (QRadioButton *choice : {form_->shutdownChoice, form_->suspendChoice, form_->alarmChoice}) {
        choice->setFocusPolicy(choice->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(choice, &QRadioButton::toggled, choice,
                [choice](bool checked) { choice->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
    }
    // Shutdown and Suspend mode need no alarm.
    for (QRadioButton *choice : {form_->shutdownChoice, form_->suspendChoice})
        connect(choice, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                disableAlarmControls();
        });
    connect(form_->alarmChoice, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            enableAlarmControls();
    });
    // Whether this computer can wake itself, said as soon as the box is ticked
    // and each time its hint shows: a power manager may come or go meanwhile.
    connect(form_->sleepCheck, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            Q_EMIT wakeRouteWanted();
    });
    connect(form_->sleepCheck, &FreshTipCheckBox::tipWanted, this, [this] {
        if (form_->sleepCheck->isChecked())
            Q_EMIT wakeRouteWanted();
    });
    connectEdits();
}

void MainWindow::connectEdits()
{
    // The person's edits only: what the program puts into the fields is no news to it.
    const auto edited = [this] { Q_EMIT setupEdited(fields()); };
    for (QLineEdit *field :
         std::initializer_list<QLineEdit *> {form_->minutesEdit, form_->wakeVolumeEdit, form_->startFileEdit})
        connect(field, &QLineEdit::textEdited, this, edited);
    for (QAbstractButton *box :
         std::initializer_list<QAbstractButton *> {form_->shutdownChoice, form_->suspendChoice, form_->alarmChoice,
                                                   form_->tomorrowCheck, form_->sleepCheck, form_->trackCheck})
        connect(box, &QAbstractButton::clicked, this, edited);
    connect(form_->alarmTimeEdit, &QDateTimeEdit::timeChanged, this, edited);
}

QList<QWidget *> MainWindow::alarmGroup() const
{
    return {form_->alarmPanel,     form_->alarmTimeEdit,  form_->tomorrowCheck,  form_->startFileEdit,
            form_->wakeUpAtLabel,  form_->startFileLabel, form_->setVolumeLabel, form_->percentLabel,
            form_->wakeVolumeEdit, form_->sleepCheck};
}

// The setup controls outside the alarm group, less the contact link, which is switched last.
QList<QWidget *> MainWindow::timerSetup() const
{
    return {form_->volumeSlider, form_->shutdownChoice, form_->suspendChoice,
            form_->alarmChoice,  form_->minutesEdit,    form_->trackCheck};
}

void MainWindow::enableAlarmControls()
{
    for (QWidget *control : alarmGroup())
        control->setEnabled(true);
    setFieldColour(form_->wakeVolumeEdit, White);
    setFieldColour(form_->minutesEdit, White);
}

void MainWindow::disableAlarmControls()
{
    for (QWidget *control : alarmGroup())
        control->setEnabled(false);
    setFieldColour(form_->wakeVolumeEdit, White);
    setFieldColour(form_->minutesEdit, White);
    setStatusText(QString());
}

void MainWindow::enableSetupControls()
{
    for (QWidget *control : timerSetup())
        control->setEnabled(true);
    if (form_->alarmChoice->isChecked())
        enableAlarmControls();
    form_->minutesEdit->setEnabled(!form_->trackCheck->isChecked());
    form_->contactLink->setEnabled(true);
    form_->volumeReadout->keepPictures(false);
}

void MainWindow::disableSetupControls()
{
    for (QWidget *control : timerSetup())
        control->setEnabled(false);
    disableAlarmControls();
    form_->contactLink->setEnabled(false);
    // A session is starting: its fade changes the readout every few seconds.
    form_->volumeReadout->keepPictures(true);
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
    openDialog_->exec();
    const QStringList chosen = openDialog_->selectedFiles();
    // A cancelled dialog chose nothing, and the start file stays as it was.
    if (openDialog_->result() == QDialog::Accepted && !chosen.isEmpty()) {
        form_->startFileEdit->setText(chosen.first());
        Q_EMIT setupEdited(fields());
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // While the wake-up sounds, a press anywhere on the window, whichever
    // control gets it, only silences it.
    if (event->type() == QEvent::MouseButtonPress && view_.state == WindowView::State::Sounding
        && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this) {
        Q_EMIT silenceRequested();
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
    form_->minutesEdit->setFocus();
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
    // During a night, or while its wake-up sounds, the window stays, and
    // the program ends once that is over.
    if (view_.state == WindowView::State::Idle) {
        event->accept();
        return;
    }
    event->ignore();
    Q_EMIT closedWhileBusy();
}

void MainWindow::wheelEvent(QWheelEvent *event)
{
    // One call per notch; fine-grained wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= 120) {
        wheelRemainder_ -= 120;
        Q_EMIT wheelTurned(true);
    }
    while (wheelRemainder_ <= -120) {
        wheelRemainder_ += 120;
        Q_EMIT wheelTurned(false);
    }
    event->ignore();
}
