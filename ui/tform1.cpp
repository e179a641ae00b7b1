#include "ui/tform1.h"

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

#include "audio/levels.h"
#include "session/shell.h"
#include "ui/etchedline.h"
#include "ui/formhandlers.h"
#include "ui/picture.h"
#include "ui/picturebutton.h"
#include "ui/pictures.h"
#include "ui/caretrest.h"
#include "ui/trackbar.h"
#include "ui/trackbarstyle.h"
#include "ui/applicationtitle.h"

const QColor TForm1::SkyBlue(0xA6, 0xCA, 0xF0);
const QColor TForm1::Fuchsia(0xFF, 0x00, 0xFF);
// Linux desktops publish no desktop-background colour; this is the classic one.
const QColor TForm1::DesktopColour(0x3A, 0x6E, 0xA5);
const QString TForm1::RestCaption =
    QStringLiteral("Somnelle v1.05 (c) 2026 The Somnelle developers, free software");
const QString TForm1::SupportAddress = QStringLiteral("support@somnelle.org");

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

TForm1::TForm1(FormHandlers &handlers, Shell &shell, std::function<void()> exitProcess)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , handlers_(handlers)
    , shell_(shell)
    , exitProcess_(std::move(exitProcess))
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

void TForm1::createLayout()
{
    const QPixmap startPicture = Pictures::keyed(QStringLiteral(":/pictures/start.bmp"));

    // Controls on the window itself, in the order of creation; the sky lies under them all.
    SpeedButton2 = makePictureButton(this, Pictures::keyed(QStringLiteral(":/pictures/cancel.bmp")), 416, 0,
                                     105, 33, QStringLiteral("Cancel"));
    SpeedButton2->setVisible(false);
    SpeedButton3 = makePictureButton(this, startPicture, 416, 40, 105, 33, QStringLiteral("Start"));
    SpeedButton3->setVisible(false);

    Image4 = new QLabel(this);
    Image4->setGeometry(0, 0, 417, 377);
    Image4->setScaledContents(true);
    Image4->setPixmap(Pictures::sky());
    Image4->lower();

    SpeedButton1 = makePictureButton(this, startPicture, 164, 328, 105, 33, QStringLiteral("Start"));
    SpeedButton1->setFocusPolicy(Qt::StrongFocus);

    Label7 = makeLabel(this, QStringLiteral("Contact author"), 52, 336, 61, 11);
    QFont linkFont = tahoma(9);
    linkFont.setUnderline(true);
    Label7->setFont(linkFont);
    Label7->resize(Label7->sizeHint());
    setEnabledTextColour(Label7, DesktopColour);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->setToolTip(SupportAddress);
    Label7->setMouseTracking(true);
    Label7->setAccessibleName(QStringLiteral("Contact author"));

    SpeedButton4 = makePictureButton(this, Pictures::keyed(QStringLiteral(":/pictures/exit.bmp")), 284, 328,
                                     101, 33, QStringLiteral("Exit"));
    SpeedButton4->setFocusPolicy(Qt::StrongFocus);

    Label14 = makeLabel(this, QStringLiteral("Somnelle"), 168, 7, 84, 28);
    Label14->setFont(tahoma(23, true));
    Label14->resize(Label14->sizeHint());
    setColour(Label14, QPalette::WindowText, SkyBlue);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setGeometry(0, 375, 413, 19);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAutoFillBackground(true);
    setColour(StatusBar1, QPalette::Window, SkyBlue);
    setColour(StatusBar1, QPalette::WindowText, palette().color(QPalette::ButtonText));

    Panel1 = makePanel(this, 20, 211, 373, 101);
    Panel2 = makePanel(this, 20, 43, 373, 145);

    OpenDialog1 = new QFileDialog(this, QStringLiteral("Open file to start"));
    // A typed name is taken as it stands: the file may only appear by morning.
    OpenDialog1->setFileMode(QFileDialog::AnyFile);
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);

    // The timer panel.
    Image2 = makePicture(Panel2, Pictures::keyed(QStringLiteral(":/pictures/loudspeaker.bmp")), 16, 17, 32, 32);
    // Sized once for the widest readout, and opaque: a new percent repaints the readout alone.
    Label6 = makeLabel<VolumeReadout>(Panel2, VolumeReadoutText(100), 64, 24, 52, 16);
    Label6->setText(QStringLiteral("Volume: "));
    Label6->setAutoFillBackground(true);
    TrackBar3 = new TrackBar(Qt::Horizontal, Panel2);
    TrackBar3->setGeometry(152, 12, 209, 41);
    TrackBar3->setRange(0, 65535);
    TrackBar3->setValue(0);
    TrackBar3->setTickPosition(QSlider::TicksBothSides);
    TrackBar3->setTickInterval(65535);
    // Keys step like the wheel; Page keys by a tenth of the range.
    TrackBar3->setSingleStep(1000);
    TrackBar3->setPageStep(6554);
    TrackBar3->setAccessibleName(QStringLiteral("Volume"));
    TrackBar3->setAutoFillBackground(true);
    auto *trackBarStyle = new TrackBarStyle();
    trackBarStyle->setParent(TrackBar3);
    TrackBar3->setStyle(trackBarStyle);
    Image3 = makePicture(Panel2, Pictures::keyed(QStringLiteral(":/pictures/clockface.bmp")), 16, 64, 32, 32);
    Label1 = makeLabel(Panel2, QStringLiteral("Turn down volume up to 0%"), 64, 72, 163, 16);
    Label2 = makeLabel(Panel2, QStringLiteral("for: "), 236, 72, 25, 16);
    Label2->setAutoFillBackground(true);
    Edit1 = makeEdit(Panel2, QString(), 268, 71, 25, 21, 2, QStringLiteral("Turn down volume up to 0% for minutes"));
    Label3 = makeLabel(Panel2, QStringLiteral("min"), 300, 72, 21, 16);
    Label4 = makeLabel(Panel2, QStringLiteral("Then:"), 16, 116, 34, 16);
    RadioButton1 = makeChoice(Panel2, QStringLiteral("Shutdown"), 64, 116, 77, 17);
    Bevel2 = new EtchedLine(Panel2);
    Bevel2->setGeometry(144, 116, 9, 17);
    RadioButton2 = makeChoice(Panel2, QStringLiteral("Suspend mode"), 152, 116, 105, 17);
    Bevel4 = new EtchedLine(Panel2);
    Bevel4->setGeometry(260, 116, 9, 17);
    RadioButton3 = makeChoice(Panel2, QStringLiteral("Alarm mode"), 268, 116, 89, 17);
    RadioButton3->setChecked(true);

    // The alarm panel.
    Label10 = makeLabel(Panel1, QStringLiteral("Wake up at:"), 68, 29, 70, 16);
    Label11 = makeLabel(Panel1, QStringLiteral("Start file:"), 156, 66, 54, 16);
    Image1 = makePicture(Panel1, Pictures::keyed(QStringLiteral(":/pictures/alarmclock.bmp")), 16, 16, 35, 37);
    Label12 = makeLabel(Panel1, QStringLiteral("Set volume:"), 16, 66, 69, 16);
    Label13 = makeLabel(Panel1, QStringLiteral("%"), 120, 66, 12, 16);
    SpeedButton5 = makePictureButton(Panel1, Pictures::keyed(QStringLiteral(":/pictures/browse.bmp")), 320, 60,
                                     38, 33, QStringLiteral("Browse"));
    DateTimePicker1 = new QDateTimeEdit(Panel1);
    DateTimePicker1->setGeometry(156, 25, 105, 24);
    DateTimePicker1->setDisplayFormat(timeFormatWithSeconds());
    DateTimePicker1->setDateTime(QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
    DateTimePicker1->setAccessibleName(QStringLiteral("Wake up at"));
    // 23 steps on to 0 and 59 to 0, as a clock does.
    DateTimePicker1->setWrapping(true);
    setColour(DateTimePicker1, QPalette::Base, SkyBlue);
    Edit2 = makeEdit(Panel1, QStringLiteral("europe.mid"), 216, 65, 97, 21, 0, QStringLiteral("Start file"));
    Edit2->setMouseTracking(true);
    CheckBox1 = new QCheckBox(QStringLiteral("Tomorrow"), Panel1);
    CheckBox1->setGeometry(280, 28, 81, 17);
    Edit3 = makeEdit(Panel1, QString(), 88, 65, 25, 21, 2, QStringLiteral("Set volume, percent"));

    // Object names follow the component names, as a form designer would give them.
    const std::pair<QObject *, const char *> names[] = {
        {StatusBar1, "StatusBar1"}, {SpeedButton2, "SpeedButton2"}, {SpeedButton3, "SpeedButton3"},
        {Panel1, "Panel1"}, {DateTimePicker1, "DateTimePicker1"}, {Label10, "Label10"}, {Label11, "Label11"},
        {Edit2, "Edit2"}, {CheckBox1, "CheckBox1"}, {Image1, "Image1"}, {Panel2, "Panel2"}, {Image2, "Image2"},
        {Label6, "Label6"}, {TrackBar3, "TrackBar3"}, {Image3, "Image3"}, {Label1, "Label1"}, {Label2, "Label2"},
        {Label3, "Label3"}, {Edit1, "Edit1"}, {Label4, "Label4"}, {RadioButton1, "RadioButton1"},
        {RadioButton2, "RadioButton2"}, {Bevel2, "Bevel2"}, {RadioButton3, "RadioButton3"}, {Bevel4, "Bevel4"},
        {Label12, "Label12"}, {Edit3, "Edit3"}, {Label13, "Label13"}, {Image4, "Image4"},
        {SpeedButton1, "SpeedButton1"}, {Label7, "Label7"}, {SpeedButton4, "SpeedButton4"},
        {OpenDialog1, "OpenDialog1"}, {SpeedButton5, "SpeedButton5"}, {Label14, "Label14"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));

    // The two panels are the only sky-blue surfaces between the sky and their contents.
    for (QWidget *panel : {Panel1, Panel2})
        setColour(panel, QPalette::Window, SkyBlue);
}

void TForm1::setTabOrderOfFields()
{
    // The timer panel comes before the alarm panel.
    // Start/Cancel and Exit come last.
    const QList<QWidget *> order {Edit1,           TrackBar3, RadioButton1, RadioButton2, RadioButton3,
                                  DateTimePicker1, Edit2,     CheckBox1,    Edit3,        SpeedButton1,
                                  SpeedButton4};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::connectHandlers()
{
    connect(SpeedButton1, &QAbstractButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton4, &QAbstractButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton5, &QAbstractButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(TrackBar3, &QSlider::valueChanged, this, &TForm1::TrackBar3Change);
    // The end of a drag counts as a change too, even when the position stays.
    connect(TrackBar3, &QSlider::sliderReleased, this, &TForm1::TrackBar3Change);

    // A choice's rule runs whenever it becomes checked, by the user or by code.
    // Of the three choices only the checked one is a tab stop.
    for (QRadioButton *choice : {RadioButton1, RadioButton2, RadioButton3}) {
        choice->setFocusPolicy(choice->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(choice, &QRadioButton::toggled, choice, [choice](bool checked) {
            choice->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool checked) { if (checked) RadioButton1Click(); });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool checked) { if (checked) RadioButton2Click(); });
    connect(RadioButton3, &QRadioButton::toggled, this, [this](bool checked) { if (checked) RadioButton3Click(); });

}

QList<QWidget *> TForm1::alarmGroup() const
{
    return {Panel1, DateTimePicker1, CheckBox1, Edit2, Label10, Label11, Label12, Label13, Edit3};
}

// The setup controls outside the alarm group, less the contact link, which is switched last.
QList<QWidget *> TForm1::timerSetup() const
{
    return {TrackBar3, RadioButton1, RadioButton2, RadioButton3, Edit1};
}

void TForm1::EnableAlarmControls()
{
    for (QWidget *control : alarmGroup())
        control->setEnabled(true);
    setFieldColour(Edit3, White);
    setFieldColour(Edit1, White);
}

void TForm1::DisableAlarmControls()
{
    for (QWidget *control : alarmGroup())
        control->setEnabled(false);
    setFieldColour(Edit3, White);
    setFieldColour(Edit1, White);
    setStatusText(QString());
}

void TForm1::EnableSetupControls()
{
    for (QWidget *control : timerSetup())
        control->setEnabled(true);
    if (RadioButton3->isChecked())
        EnableAlarmControls();
    Label7->setEnabled(true);
    Label6->keepPictures(false);
}

void TForm1::DisableSetupControls()
{
    for (QWidget *control : timerSetup())
        control->setEnabled(false);
    DisableAlarmControls();
    Label7->setEnabled(false);
    // A session is starting: its fade changes the readout every few seconds.
    Label6->keepPictures(true);
}

void TForm1::setStatusText(const QString &text)
{
    if (text.isEmpty())
        StatusBar1->clearMessage();
    else
        StatusBar1->showMessage(text);
}

QString TForm1::statusText() const
{
    return StatusBar1->currentMessage();
}

void TForm1::setFieldColour(QLineEdit *field, const QColor &colour)
{
    setColour(field, QPalette::Base, colour);
}

QColor TForm1::fieldColour(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

void TForm1::showStartPicture()
{
    SpeedButton1->setPicture(SpeedButton3->picture());
    SpeedButton1->setAccessibleName(SpeedButton3->accessibleName());
}

void TForm1::showCancelPicture()
{
    SpeedButton1->setPicture(SpeedButton2->picture());
    SpeedButton1->setAccessibleName(SpeedButton2->accessibleName());
}

bool TForm1::wakeUpVolumeEnabled() const
{
    return Edit3->isEnabled();
}

void TForm1::markMinutesMissing()
{
    setFieldColour(Edit1, Fuchsia);
}

void TForm1::markWakeUpVolumeMissing()
{
    setFieldColour(Edit3, Fuchsia);
}

void TForm1::showRestCaption()
{
    SetApplicationTitle(QStringLiteral("Somnelle"));
    setWindowTitle(RestCaption);
}

void TForm1::setCaptionAndTitle(const QString &text)
{
    setWindowTitle(text);
    SetApplicationTitle(text);
}

quint16 TForm1::sliderPosition() const
{
    return quint16(TrackBar3->value());
}

void TForm1::setSliderPosition(quint16 level)
{
    TrackBar3->setValue(level);
}

void TForm1::ShowVolumeReadout(quint8 percent)
{
    Label6->showPercent(percent);
}

void TForm1::showMixerError()
{
    // Opened from the event loop, once the window being shown is on the screen to own it.
    QMetaObject::invokeMethod(
        this, [this] { QMessageBox::warning(this, ApplicationTitle(), QStringLiteral("Mixer initialization error")); },
        Qt::QueuedConnection);
}

QString TForm1::minutesText() const
{
    return Edit1->text();
}

void TForm1::setMinutesText(const QString &text)
{
    Edit1->setText(text);
}

QRadioButton *TForm1::choiceButton(Choice choice) const
{
    switch (choice) {
    case Shutdown:
        return RadioButton1;
    case SuspendMode:
        return RadioButton2;
    case AlarmMode:
        break;
    }
    return RadioButton3;
}

bool TForm1::isChoiceChecked(Choice choice) const
{
    return choiceButton(choice)->isChecked();
}

void TForm1::setChoiceChecked(Choice choice, bool checked)
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

bool TForm1::tomorrow() const
{
    return CheckBox1->isChecked();
}

void TForm1::setTomorrow(bool tomorrow)
{
    CheckBox1->setChecked(tomorrow);
}

QString TForm1::wakeUpVolumeText() const
{
    return Edit3->text();
}

void TForm1::setWakeUpVolumeText(const QString &text)
{
    Edit3->setText(text);
}

QString TForm1::startFile() const
{
    return Edit2->text();
}

void TForm1::setStartFile(const QString &file)
{
    Edit2->setText(file);
}

QDateTime TForm1::alarmDateTime() const
{
    return DateTimePicker1->dateTime();
}

void TForm1::setAlarmDateTime(const QDateTime &dateTime)
{
    DateTimePicker1->setDateTime(dateTime);
}

void TForm1::FormShow()
{
    handlers_.loadSettings();
    handlers_.readMasterVolume();
}

void TForm1::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    handlers_.applyCommandLine();
}

void TForm1::FormMouseWheelUp()
{
    handlers_.mouseWheel(true);
}

void TForm1::FormMouseWheelDown()
{
    handlers_.mouseWheel(false);
}

void TForm1::SpeedButton1Click()
{
    handlers_.startCancelClicked();
}

void TForm1::SpeedButton4Click()
{
    exitProcess_();
}

void TForm1::SpeedButton5Click()
{
    OpenDialog1->exec();
    const QStringList chosen = OpenDialog1->selectedFiles();
    // A cancelled dialog chose nothing, and the start file stays as it was.
    if (OpenDialog1->result() == QDialog::Accepted && !chosen.isEmpty())
        Edit2->setText(chosen.first());
}

void TForm1::TrackBar3Change()
{
    handlers_.trackBarChanged();
}

void TForm1::RadioButton1Click()
{
    DisableAlarmControls();
}

void TForm1::RadioButton2Click()
{
    DisableAlarmControls();
}

void TForm1::RadioButton3Click()
{
    EnableAlarmControls();
}

void TForm1::Label7Click()
{
    shell_.open(QUrl(QStringLiteral("mailto:") + SupportAddress));
}

bool TForm1::filterDigitKey(QLineEdit *field, QKeyEvent *event)
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

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this && handlers_.windowClicked())
        return true;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == Edit1 || watched == Edit3)
            return filterDigitKey(static_cast<QLineEdit *>(watched), key);
        // Tab leaves the picker instead of walking its hour, minute and second.
        if (watched == DateTimePicker1 && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            return focusNextPrevChild(key->key() == Qt::Key_Tab);
        break;
    }
    case QEvent::MouseMove:
        if (watched == Edit2)
            Edit2->setToolTip(Edit2->text());
        else if (watched == Label7)
            setEnabledTextColour(Label7, LinkBlue);
        break;
    case QEvent::Leave:
        if (watched == Label7)
            setEnabledTextColour(Label7, DesktopColour);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Label7 && Label7->isEnabled()) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && Label7->rect().contains(mouse->position().toPoint()))
                Label7Click();
        }
        break;
    case QEvent::Wheel:
        // The wheel sets the master volume in whole steps wherever it turns
        // over the window; the slider passes it on rather than taking small steps.
        if (watched == TrackBar3) {
            event->ignore();
            return true;
        }
        // The picker would spin the alarm time; the wheel is the volume's everywhere.
        if (watched == DateTimePicker1) {
            wheelEvent(static_cast<QWheelEvent *>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
    // The minutes take the focus first, also now that the buttons can take it.
    Edit1->setFocus();
    // Without a window manager (a scheduled start on a bare display) nobody
    // else activates the window.
    activateWindow();
    // A window started by a timer, or kept from the focus by the window
    // manager, may never be activated: the first activation's work runs
    // right after the show all the same, once.
    QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

void TForm1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // During a session the window stays, and the program ends with the session.
    if (handlers_.closeRequested())
        event->accept();
    else
        event->ignore();
}

void TForm1::wheelEvent(QWheelEvent *event)
{
    // One call per notch; fine-grained wheels add up to whole notches.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= 120) {
        wheelRemainder_ -= 120;
        FormMouseWheelUp();
    }
    while (wheelRemainder_ <= -120) {
        wheelRemainder_ += 120;
        FormMouseWheelDown();
    }
    event->ignore();
}
