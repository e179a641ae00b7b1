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
#include "audio/levels.h"
#include "session/shell.h"
#include "ui/etchedline.h"
#include "ui/picture.h"
#include "ui/picturebutton.h"
#include "ui/pictures.h"
#include "ui/caretrest.h"
#include "ui/trackbar.h"
#include "ui/trackbarstyle.h"
#include "ui/applicationtitle.h"

const QColor MainWindow::SkyBlue(0xA6, 0xCA, 0xF0);
const QColor MainWindow::Fuchsia(0xFF, 0x00, 0xFF);
// Linux desktops publish no desktop-background colour; this is the classic one.
const QColor MainWindow::DesktopColour(0x3A, 0x6E, 0xA5);
const QString MainWindow::RestCaption =
    QStringLiteral("Somnelle v" SOMNELLE_VERSION " (c) 2026 The Somnelle developers, free software");
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

// A text colour for the enabled look only; disabled, the text stays greyed.
void setEnabledTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A label sizes itself to its text, starting from the layout's size.
template <class Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *label = new Label(text, parent);
    label->setGeometry(left, top, width, height);
    label->resize(label->sizeHint().expandedTo(QSize(width, height)));
    return label;
}

Picture *makePicture(QWidget *parent, const QPixmap &picture, int left, int top, int width, int height)
{
    auto *image = new Picture(parent);
    image->setGeometry(left, top, width, height);
    image->setPixmap(picture);
    return image;
}

QFrame *makePanel(QWidget *parent, int left, int top, int width, int height)
{
    auto *panel = new QFrame(parent);
    panel->setGeometry(left, top, width, height);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    return panel;
}

PictureButton *makePictureButton(QWidget *parent, const QPixmap &picture, int left, int top, int width,
                                 int height, const QString &accessibleName)
{
    auto *button = new PictureButton(parent);
    button->setGeometry(left, top, width, height);
    button->setPicture(picture);
    button->setAccessibleName(accessibleName);
    return button;
}

QLineEdit *makeEdit(QWidget *parent, const QString &text, int left, int top, int width, int height,
                    int maxLength, const QString &accessibleName)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setGeometry(left, top, width, height);
    edit->setFont(tahoma(11));
    // A validator limits what is typed or pasted, but not what code puts
    // there (setText is not validated), so stored texts load unchanged.
    if (maxLength > 0)
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral(".{0,%1}").arg(maxLength)), edit));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QRadioButton *makeChoice(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *choice = new QRadioButton(text, parent);
    choice->setGeometry(left, top, width, height);
    return choice;
}

// The picker shows the time of day in the system's format, with seconds.
QString timeFormatWithSeconds()
{
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.lastIndexOf(QLatin1String("mm"));
        if (minutes >= 0)
            format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return format;
}

} // namespace

MainWindow::MainWindow(Shell &shell)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , shell_(shell)
{
    registerTahoma();
    setFont(tahoma(13));
    setFixedSize(413, 394);
    setWindowTitle(RestCaption);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/somnelle.xpm")));
    setColour(this, QPalette::Window, SkyBlue);
    setAutoFillBackground(true);

    createLayout();
    setTabOrderOfFields();
    connectHandlers();
    // The window's own rules for some of its controls' events (see
    // eventFilter), and clicks anywhere on it, whichever control gets them.
    qApp->installEventFilter(this);
    new CaretRest(10000, this);
}

void MainWindow::createLayout()
{
    const QPixmap startPicture = Pictures::keyed(QStringLiteral(":/pictures/start.bmp"));

    // Controls on the window itself, in the order of creation; the sky lies under them all.
    cancelPictureButton = makePictureButton(this, Pictures::keyed(QStringLiteral(":/pictures/cancel.bmp")), 416, 0,
                                     105, 33, QStringLiteral("Cancel"));
    cancelPictureButton->setVisible(false);
    startPictureButton = makePictureButton(this, startPicture, 416, 40, 105, 33, QStringLiteral("Start"));
    startPictureButton->setVisible(false);

    skyPicture = new QLabel(this);
    skyPicture->setGeometry(0, 0, 417, 377);
    skyPicture->setScaledContents(true);
    skyPicture->setPixmap(Pictures::sky());
    skyPicture->lower();

    startCancelButton = makePictureButton(this, startPicture, 164, 328, 105, 33, QStringLiteral("Start"));
    startCancelButton->setFocusPolicy(Qt::StrongFocus);

    contactLink = makeLabel(this, QStringLiteral("Contact author"), 52, 336, 61, 11);
    QFont linkFont = tahoma(9);
    linkFont.setUnderline(true);
    contactLink->setFont(linkFont);
    contactLink->resize(contactLink->sizeHint());
    setEnabledTextColour(contactLink, DesktopColour);
    contactLink->setCursor(Qt::PointingHandCursor);
    contactLink->setToolTip(SupportAddress);
    contactLink->setMouseTracking(true);
    contactLink->setAccessibleName(QStringLiteral("Contact author"));

    exitButton = makePictureButton(this, Pictures::keyed(QStringLiteral(":/pictures/exit.bmp")), 284, 328,
                                     101, 33, QStringLiteral("Exit"));
    exitButton->setFocusPolicy(Qt::StrongFocus);

    titleLabel = makeLabel(this, QStringLiteral("Somnelle"), 168, 7, 84, 28);
    titleLabel->setFont(tahoma(23, true));
    titleLabel->resize(titleLabel->sizeHint());
    setColour(titleLabel, QPalette::WindowText, SkyBlue);

    statusBar = new QStatusBar(this);
    statusBar->setGeometry(0, 375, 413, 19);
    statusBar->setSizeGripEnabled(false);
    statusBar->setAutoFillBackground(true);
    setColour(statusBar, QPalette::Window, SkyBlue);
    setColour(statusBar, QPalette::WindowText, palette().color(QPalette::ButtonText));

    alarmPanel = makePanel(this, 20, 211, 373, 101);
    timerPanel = makePanel(this, 20, 43, 373, 145);

    openDialog = new QFileDialog(this, QStringLiteral("Open file to start"));
    // A typed name is taken as it stands: the file may only appear by morning.
    openDialog->setFileMode(QFileDialog::AnyFile);
    openDialog->setOption(QFileDialog::DontUseNativeDialog);

    // The timer panel.
    loudspeakerPicture = makePicture(timerPanel, Pictures::keyed(QStringLiteral(":/pictures/loudspeaker.bmp")), 16, 17, 32, 32);
    // Sized once for the widest readout, and opaque: a new percent repaints the readout alone.
    volumeReadout = makeLabel<VolumeReadout>(timerPanel, VolumeReadoutText(100), 64, 24, 52, 16);
    volumeReadout->setText(QStringLiteral("Volume: "));
    volumeReadout->setAutoFillBackground(true);
    volumeSlider = new TrackBar(Qt::Horizontal, timerPanel);
    volumeSlider->setGeometry(152, 12, 209, 41);
    volumeSlider->setRange(0, 65535);
    volumeSlider->setValue(0);
    volumeSlider->setTickPosition(QSlider::TicksBothSides);
    volumeSlider->setTickInterval(65535);
    // Keys step like the wheel; Page keys by a tenth of the range.
    volumeSlider->setSingleStep(1000);
    volumeSlider->setPageStep(6554);
    volumeSlider->setAccessibleName(QStringLiteral("Volume"));
    volumeSlider->setAutoFillBackground(true);
    auto *trackBarStyle = new TrackBarStyle();
    trackBarStyle->setParent(volumeSlider);
    volumeSlider->setStyle(trackBarStyle);
    clockFacePicture = makePicture(timerPanel, Pictures::keyed(QStringLiteral(":/pictures/clockface.bmp")), 16, 64, 32, 32);
    turnDownLabel = makeLabel(timerPanel, QStringLiteral("Turn down volume up to 0%"), 64, 72, 163, 16);
    forLabel = makeLabel(timerPanel, QStringLiteral("for: "), 236, 72, 25, 16);
    forLabel->setAutoFillBackground(true);
    minutesEdit = makeEdit(timerPanel, QString(), 268, 71, 25, 21, 2, QStringLiteral("Turn down volume up to 0% for minutes"));
    minLabel = makeLabel(timerPanel, QStringLiteral("min"), 300, 72, 21, 16);
    thenLabel = makeLabel(timerPanel, QStringLiteral("Then:"), 16, 116, 34, 16);
    shutdownChoice = makeChoice(timerPanel, QStringLiteral("Shutdown"), 64, 116, 77, 17);
    shutdownSuspendLine = new EtchedLine(timerPanel);
    shutdownSuspendLine->setGeometry(144, 116, 9, 17);
    suspendChoice = makeChoice(timerPanel, QStringLiteral("Suspend mode"), 152, 116, 105, 17);
    suspendAlarmLine = new EtchedLine(timerPanel);
    suspendAlarmLine->setGeometry(260, 116, 9, 17);
    alarmChoice = makeChoice(timerPanel, QStringLiteral("Alarm mode"), 268, 116, 89, 17);
    alarmChoice->setChecked(true);

    // The alarm panel.
    wakeUpAtLabel = makeLabel(alarmPanel, QStringLiteral("Wake up at:"), 68, 29, 70, 16);
    startFileLabel = makeLabel(alarmPanel, QStringLiteral("Start file:"), 156, 66, 54, 16);
    alarmClockPicture = makePicture(alarmPanel, Pictures::keyed(QStringLiteral(":/pictures/alarmclock.bmp")), 16, 16, 35, 37);
    setVolumeLabel = makeLabel(alarmPanel, QStringLiteral("Set volume:"), 16, 66, 69, 16);
    percentLabel = makeLabel(alarmPanel, QStringLiteral("%"), 120, 66, 12, 16);
    browseButton = makePictureButton(alarmPanel, Pictures::keyed(QStringLiteral(":/pictures/browse.bmp")), 320, 60,
                                     38, 33, QStringLiteral("Browse"));
    alarmTimeEdit = new QDateTimeEdit(alarmPanel);
    alarmTimeEdit->setGeometry(156, 25, 105, 24);
    alarmTimeEdit->setDisplayFormat(timeFormatWithSeconds());
    alarmTimeEdit->setDateTime(QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
    alarmTimeEdit->setAccessibleName(QStringLiteral("Wake up at"));
    // 23 steps on to 0 and 59 to 0, as a clock does.
    alarmTimeEdit->setWrapping(true);
    setColour(alarmTimeEdit, QPalette::Base, SkyBlue);
    startFileEdit = makeEdit(alarmPanel, QStringLiteral("europe.mid"), 216, 65, 97, 21, 0, QStringLiteral("Start file"));
    startFileEdit->setMouseTracking(true);
    tomorrowCheck = new QCheckBox(QStringLiteral("Tomorrow"), alarmPanel);
    tomorrowCheck->setGeometry(280, 28, 81, 17);
    wakeVolumeEdit = makeEdit(alarmPanel, QString(), 88, 65, 25, 21, 2, QStringLiteral("Set volume, percent"));

    // Object names follow the component names, as a form designer would give them.
    const std::pair<QObject *, const char *> names[] = {
        {statusBar, "StatusBar1"}, {cancelPictureButton, "SpeedButton2"}, {startPictureButton, "SpeedButton3"},
        {alarmPanel, "Panel1"}, {alarmTimeEdit, "DateTimePicker1"}, {wakeUpAtLabel, "Label10"}, {startFileLabel, "Label11"},
        {startFileEdit, "Edit2"}, {tomorrowCheck, "CheckBox1"}, {alarmClockPicture, "Image1"}, {timerPanel, "Panel2"}, {loudspeakerPicture, "Image2"},
        {volumeReadout, "Label6"}, {volumeSlider, "TrackBar3"}, {clockFacePicture, "Image3"}, {turnDownLabel, "Label1"}, {forLabel, "Label2"},
        {minLabel, "Label3"}, {minutesEdit, "Edit1"}, {thenLabel, "Label4"}, {shutdownChoice, "RadioButton1"},
        {suspendChoice, "RadioButton2"}, {shutdownSuspendLine, "Bevel2"}, {alarmChoice, "RadioButton3"}, {suspendAlarmLine, "Bevel4"},
        {setVolumeLabel, "Label12"}, {wakeVolumeEdit, "Edit3"}, {percentLabel, "Label13"}, {skyPicture, "Image4"},
        {startCancelButton, "SpeedButton1"}, {contactLink, "Label7"}, {exitButton, "SpeedButton4"},
        {openDialog, "OpenDialog1"}, {browseButton, "SpeedButton5"}, {titleLabel, "Label14"}};
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
    const QList<QWidget *> order {minutesEdit,           volumeSlider, shutdownChoice, suspendChoice, alarmChoice,
                                  alarmTimeEdit, startFileEdit,     tomorrowCheck,    wakeVolumeEdit,        startCancelButton,
                                  exitButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectHandlers()
{
    connect(startCancelButton, &QAbstractButton::clicked, this, &MainWindow::startCancelClicked);
    connect(exitButton, &QAbstractButton::clicked, this, &MainWindow::exitClicked);
    connect(browseButton, &QAbstractButton::clicked, this, &MainWindow::browseForStartFile);
    connect(volumeSlider, &QSlider::valueChanged, this, &MainWindow::volumeSliderChanged);
    // The end of a drag counts as a change too, even when the position stays.
    connect(volumeSlider, &QSlider::sliderReleased, this, &MainWindow::volumeSliderChanged);

    // A choice's rule runs whenever it becomes checked, by the user or by code.
    // Of the three choices only the checked one is a tab stop.
    for (QRadioButton *choice : {shutdownChoice, suspendChoice, alarmChoice}) {
        choice->setFocusPolicy(choice->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(choice, &QRadioButton::toggled, choice, [choice](bool checked) {
            choice->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    // Shutdown and Suspend mode need no alarm.
    for (QRadioButton *choice : {shutdownChoice, suspendChoice})
        connect(choice, &QRadioButton::toggled, this, [this](bool checked) { if (checked) disableAlarmControls(); });
    connect(alarmChoice, &QRadioButton::toggled, this, [this](bool checked) { if (checked) enableAlarmControls(); });

}

QList<QWidget *> MainWindow::alarmGroup() const
{
    return {alarmPanel, alarmTimeEdit, tomorrowCheck, startFileEdit, wakeUpAtLabel, startFileLabel, setVolumeLabel, percentLabel, wakeVolumeEdit};
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

void MainWindow::setStatusText(const QString &text)
{
    if (text.isEmpty())
        statusBar->clearMessage();
    else
        statusBar->showMessage(text);
}

QString MainWindow::statusText() const
{
    return statusBar->currentMessage();
}

void MainWindow::setFieldColour(QLineEdit *field, const QColor &colour)
{
    setColour(field, QPalette::Base, colour);
}

QColor MainWindow::fieldColour(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

void MainWindow::showStartPicture()
{
    startCancelButton->setPicture(startPictureButton->picture());
    startCancelButton->setAccessibleName(startPictureButton->accessibleName());
}

void MainWindow::showCancelPicture()
{
    startCancelButton->setPicture(cancelPictureButton->picture());
    startCancelButton->setAccessibleName(cancelPictureButton->accessibleName());
}

bool MainWindow::wakeUpVolumeEnabled() const
{
    return wakeVolumeEdit->isEnabled();
}

void MainWindow::markMinutesMissing()
{
    setFieldColour(minutesEdit, Fuchsia);
}

void MainWindow::markWakeUpVolumeMissing()
{
    setFieldColour(wakeVolumeEdit, Fuchsia);
}

void MainWindow::showRestCaption()
{
    SetApplicationTitle(QStringLiteral("Somnelle"));
    setWindowTitle(RestCaption);
}

void MainWindow::setCaptionAndTitle(const QString &text)
{
    setWindowTitle(text);
    SetApplicationTitle(text);
}

quint16 MainWindow::sliderPosition() const
{
    return quint16(volumeSlider->value());
}

void MainWindow::setSliderPosition(quint16 level)
{
    volumeSlider->setValue(level);
}

void MainWindow::showVolumeReadout(quint8 percent)
{
    volumeReadout->showPercent(percent);
}

void MainWindow::showMixerError()
{
    // Opened from the event loop, once the window being shown is on the screen to own it.
    QMetaObject::invokeMethod(
        this, [this] { QMessageBox::warning(this, ApplicationTitle(), QStringLiteral("Mixer initialization error")); },
        Qt::QueuedConnection);
}

QString MainWindow::minutesText() const
{
    return minutesEdit->text();
}

void MainWindow::setMinutesText(const QString &text)
{
    minutesEdit->setText(text);
}

QRadioButton *MainWindow::choiceButton(Choice choice) const
{
    switch (choice) {
    case Shutdown:
        return shutdownChoice;
    case SuspendMode:
        return suspendChoice;
    case AlarmMode:
        break;
    }
    return alarmChoice;
}

bool MainWindow::isChoiceChecked(Choice choice) const
{
    return choiceButton(choice)->isChecked();
}

void MainWindow::setChoiceChecked(Choice choice, bool checked)
{
    QRadioButton *button = choiceButton(choice);
    if (checked) {
        button->setChecked(true);
    } else if (button->isChecked()) {
        // An exclusive choice cannot be unchecked by itself; stored settings may have none checked.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

bool MainWindow::tomorrow() const
{
    return tomorrowCheck->isChecked();
}

void MainWindow::setTomorrow(bool tomorrow)
{
    tomorrowCheck->setChecked(tomorrow);
}

QString MainWindow::wakeUpVolumeText() const
{
    return wakeVolumeEdit->text();
}

void MainWindow::setWakeUpVolumeText(const QString &text)
{
    wakeVolumeEdit->setText(text);
}

QString MainWindow::startFile() const
{
    return startFileEdit->text();
}

void MainWindow::setStartFile(const QString &file)
{
    startFileEdit->setText(file);
}

QDateTime MainWindow::alarmDateTime() const
{
    return alarmTimeEdit->dateTime();
}

void MainWindow::setAlarmDateTime(const QDateTime &dateTime)
{
    alarmTimeEdit->setDateTime(dateTime);
}

void MainWindow::activateOnce()
{
    if (activated_)
        return;
    activated_ = true;
    Q_EMIT firstActivated();
}

void MainWindow::setCloseGuard(std::function<bool()> mayClose)
{
    mayClose_ = std::move(mayClose);
}

void MainWindow::setPressGuard(std::function<bool()> pressTaken)
{
    pressTaken_ = std::move(pressTaken);
}

void MainWindow::browseForStartFile()
{
    openDialog->exec();
    const QStringList chosen = openDialog->selectedFiles();
    // A cancelled dialog chose nothing, and the start file stays as it was.
    if (openDialog->result() == QDialog::Accepted && !chosen.isEmpty())
        startFileEdit->setText(chosen.first());
}

void MainWindow::openContactLink()
{
    shell_.open(QUrl(QStringLiteral("mailto:") + SupportAddress));
}

bool MainWindow::filterDigitKey(QLineEdit *field, QKeyEvent *event)
{
    // Only typed characters count; Delete and the cursor keys carry no
    // character, and Tab moves the focus before any field sees it.
    const int key = event->key();
    if (event->text().isEmpty() || key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    setFieldColour(field, White);
    const QChar typed = event->text().front();
    const bool allowed = typed == QChar(8) || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'));
    return !allowed;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this && pressTaken_())
        return true;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == minutesEdit || watched == wakeVolumeEdit)
            return filterDigitKey(static_cast<QLineEdit *>(watched), key);
        // Tab leaves the picker instead of walking its hour, minute and second.
        if (watched == alarmTimeEdit && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            return focusNextPrevChild(key->key() == Qt::Key_Tab);
        break;
    }
    case QEvent::MouseMove:
        if (watched == startFileEdit)
            startFileEdit->setToolTip(startFileEdit->text());
        else if (watched == contactLink)
            setEnabledTextColour(contactLink, LinkBlue);
        break;
    case QEvent::Leave:
        if (watched == contactLink)
            setEnabledTextColour(contactLink, DesktopColour);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == contactLink && contactLink->isEnabled()) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && contactLink->rect().contains(mouse->position().toPoint()))
                openContactLink();
        }
        break;
    case QEvent::Wheel:
        // The wheel sets the master volume in whole steps wherever it turns
        // over the window; the slider passes it on rather than taking small steps.
        if (watched == volumeSlider) {
            event->ignore();
            return true;
        }
        // The picker would spin the alarm time; the wheel is the volume's everywhere.
        if (watched == alarmTimeEdit) {
            wheelEvent(static_cast<QWheelEvent *>(event));
            return true;
        }
        break;
    default:
        break;
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
    // During a session the window stays, and the program ends with the session.
    if (mayClose_())
        event->accept();
    else
        event->ignore();
}

void MainWindow::wheelEvent(QWheelEvent *event)
{
    // One call per notch; fine-grained wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= 120) {
        wheelRemainder_ -= 120;
        Q_EMIT wheelNotch(true);
    }
    while (wheelRemainder_ <= -120) {
        wheelRemainder_ += 120;
        Q_EMIT wheelNotch(false);
    }
    event->ignore();
}
