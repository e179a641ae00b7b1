// SPDX-License-Identifier: MIT
// Draws the window's pictures and writes them into the folder given as the
// first argument: 24-bit bitmaps whose lower-left pixel is the transparent key,
// the panel indicator's figures as PNGs,
// the sky as a baseline JPEG and the 16-colour application icon; and, into
// the second, the desktop theme's icons (hicolor PNGs and an SVG).
//   cmake -DSOMNELLE_TOOLS=ON ... && build/makeart ui/pictures data/icons

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cstdio>

namespace {

const QColor Key(0xC8, 0xE0, 0xF8); // light blue around every icon, drawn transparent
const QColor Blue(0x1E, 0x5A, 0xC8);
const QColor DarkBlue(0x10, 0x30, 0x80);
const QColor PaleBlue(0x9C, 0xC8, 0xF4);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Key);
    return image;
}

void roundIcon(QPainter &p, const QRectF &r)
{
    QRadialGradient shade(r.center() - QPointF(4, 4), r.width() * 0.7);
    shade.setColorAt(0, QColor(0x6C, 0xA8, 0xF0));
    shade.setColorAt(1, Blue);
    p.setPen(QPen(DarkBlue, 1));
    p.setBrush(shade);
    p.drawEllipse(r);
}

void word(QPainter &p, const QString &text, const QRect &r)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text);
}

QImage startPicture()
{
    QImage image = canvas(100, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    roundIcon(p, QRectF(6, 6, 28, 28));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(13, 20), QPointF(18, 26), QPointF(27, 13)}));
    word(p, QStringLiteral("Start"), QRect(42, 0, 58, 40));
    return image;
}

QImage cancelPicture()
{
    QImage image = canvas(100, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkBlue, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(30, 30));
    p.drawLine(QPointF(30, 10), QPointF(10, 30));
    p.setPen(QPen(QColor(0x4C, 0x8C, 0xE8), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(30, 30));
    p.drawLine(QPointF(30, 10), QPointF(10, 30));
    word(p, QStringLiteral("Cancel"), QRect(38, 0, 62, 40));
    return image;
}

QImage exitPicture()
{
    QImage image = canvas(100, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkBlue, 1));
    p.setBrush(QColor(0x70, 0x90, 0xB0));
    p.drawRect(QRectF(10, 5, 20, 30)); // frame
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF({QPointF(12, 7), QPointF(24, 10), QPointF(24, 37), QPointF(12, 33)})); // open door
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(20, 21, 3, 3)); // knob
    word(p, QStringLiteral("Exit"), QRect(42, 0, 58, 40));
    return image;
}

QImage browsePicture()
{
    QImage image = canvas(29, 25);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkBlue, 1));
    p.setBrush(QColor(0x70, 0xA8, 0xE8));
    p.drawPolygon(
        QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(22, 8), QPointF(22, 21), QPointF(2, 21)}));
    p.setBrush(QColor(0xB8, 0xDC, 0xFF));
    p.drawPolygon(QPolygonF({QPointF(6, 12), QPointF(27, 12), QPointF(22, 21), QPointF(2, 21)}));
    return image;
}

// An alarm clock within 37 x 35.
void paintAlarmClock(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkBlue, 1));
    p.setBrush(Blue);
    p.drawPie(QRectF(2, 1, 14, 14), 30 * 16, 180 * 16); // bells
    p.drawPie(QRectF(21, 1, 14, 14), -30 * 16, 180 * 16);
    p.setPen(QPen(DarkBlue, 2));
    p.drawLine(QPointF(9, 30), QPointF(6, 34)); // feet
    p.drawLine(QPointF(28, 30), QPointF(31, 34));
    roundIcon(p, QRectF(5, 5, 27, 27));
    p.setBrush(Qt::white);
    p.setPen(QPen(DarkBlue, 1));
    p.drawEllipse(QRectF(9, 9, 19, 19));
    p.setPen(QPen(DarkBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 18.5), QPointF(18.5, 12));
    p.drawLine(QPointF(18.5, 18.5), QPointF(23, 20));
}

QImage alarmClockPicture()
{
    QImage image = canvas(37, 35);
    QPainter p(&image);
    paintAlarmClock(p);
    return image;
}

QImage loudspeakerPicture()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkBlue, 1));
    p.setBrush(Blue);
    p.drawPolygon(
        QPolygonF({QPointF(3, 12), QPointF(9, 12), QPointF(17, 4), QPointF(17, 28), QPointF(9, 20), QPointF(3, 20)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Blue, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(14, 10, 8, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(14, 6, 14, 20), -50 * 16, 100 * 16);
    return image;
}

QImage clockFacePicture()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    roundIcon(p, QRectF(1, 1, 29, 29));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(5, 5, 21, 21));
    p.setPen(QPen(DarkBlue, 1));
    for (int hour = 0; hour < 12; ++hour) {
        p.save();
        p.translate(15.5, 15.5);
        p.rotate(hour * 30);
        p.drawLine(QPointF(0, -9), QPointF(0, -7.5));
        p.restore();
    }
    p.setPen(QPen(DarkBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 15.5), QPointF(15.5, 9));
    p.drawLine(QPointF(15.5, 15.5), QPointF(20, 17));
    return image;
}

QImage skyPicture()
{
    QImage image(165, 165, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 165);
    sky.setColorAt(0, QColor(0x8E, 0xBC, 0xEC));
    sky.setColorAt(1, QColor(0xD2, 0xE6, 0xFA));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRandomGenerator random(1905); // fixed seed: the same clouds every time
    for (int cloud = 0; cloud < 6; ++cloud) {
        const QPointF centre(random.bounded(165), 15 + random.bounded(140));
        for (int puff = 0; puff < 7; ++puff) {
            const QPointF at = centre + QPointF(random.bounded(40) - 20, random.bounded(12) - 6);
            const double radius = 6 + random.bounded(9);
            QRadialGradient white(at, radius);
            white.setColorAt(0, QColor(255, 255, 255, 230));
            white.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(white);
            p.drawEllipse(at, radius * 1.6, radius);
        }
    }
    return image;
}

// The crescent moon and three stars, on a 32-unit square: the same figure
// for the window icon, the theme's PNGs and its SVG.
const QColor Night(0x10, 0x20, 0x60);
const QRectF Moon(5, 5, 20, 20);
const QRectF MoonBite(11, 2, 20, 20);
const QPointF Stars[] = {QPointF(24, 6), QPointF(27, 17), QPointF(19, 26)};

void paintMoonAndStars(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QPainterPath moon;
    moon.addEllipse(Moon);
    QPainterPath bite;
    bite.addEllipse(MoonBite);
    p.setBrush(Qt::white);
    p.drawPath(moon.subtracted(bite));
    for (const QPointF &star : Stars) {
        p.drawRect(QRectF(star.x() - 1, star.y(), 3, 1));
        p.drawRect(QRectF(star.x(), star.y() - 1, 1, 3));
    }
}

QImage iconPicture()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Night);
    QPainter p(&image);
    paintMoonAndStars(p);
    p.end();
    // Sixteen colours, like the icons of old.
    QList<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette << qRgb(0x10 + i * 15, 0x20 + i * 14, 0x60 + i * 10);
    return image.convertToFormat(QImage::Format_Indexed8, palette);
}

// The panel's indicator, 64 x 64 with room around for the fade's ring, which
// the program draws: the figure on a night-blue disc.
template <typename Paint>
QImage indicatorPicture(double scale, QPointF at, Paint paint)
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Night);
    p.drawEllipse(QRectF(8, 8, 48, 48));
    p.translate(at);
    p.scale(scale, scale);
    paint(p);
    return image;
}

bool write(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (QByteArray(format) == "jpg")
        writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// The desktop theme's icon: the figure on a rounded night-blue square, any size.
QImage themeIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 32.0, size / 32.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Night);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    paintMoonAndStars(p);
    return image;
}

QByteArray themeIconSvg()
{
    QString stars;
    for (const QPointF &star : Stars)
        stars += QStringLiteral("M%1 %2h3v1h-3zM%3 %4h1v3h-1z")
                     .arg(star.x() - 1)
                     .arg(star.y())
                     .arg(star.x())
                     .arg(star.y() - 1);
    const QString svg
        = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
                         "  <mask id=\"bite\"><rect width=\"32\" height=\"32\" fill=\"#fff\"/>"
                         "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#000\"/></mask>\n"
                         "  <rect x=\"1\" y=\"1\" width=\"30\" height=\"30\" rx=\"6\" fill=\"%4\"/>\n"
                         "  <circle cx=\"%5\" cy=\"%6\" r=\"%7\" fill=\"#fff\" mask=\"url(#bite)\"/>\n"
                         "  <path d=\"%8\" fill=\"#fff\"/>\n"
                         "</svg>\n")
              .arg(MoonBite.center().x())
              .arg(MoonBite.center().y())
              .arg(MoonBite.width() / 2)
              .arg(Night.name())
              .arg(Moon.center().x())
              .arg(Moon.center().y())
              .arg(Moon.width() / 2)
              .arg(stars);
    return svg.toUtf8();
}

// hicolor/<size>x<size>/apps/NAME.png and hicolor/scalable/apps/NAME.svg below root.
bool writeThemeIcons(const QDir &root, const QString &name)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!root.mkpath(folder)
            || !write(themeIcon(size), root.filePath(folder + QLatin1Char('/') + name + ".png"), "png"))
            return false;
    }
    QFile svg(root.filePath(QStringLiteral("hicolor/scalable/apps/") + name + QStringLiteral(".svg")));
    return root.mkpath(QStringLiteral("hicolor/scalable/apps")) && svg.open(QIODevice::WriteOnly)
        && svg.write(themeIconSvg()) > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: makeart FOLDER [ICON-THEME-FOLDER]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = write(startPicture(), folder.filePath(QStringLiteral("start.bmp")), "bmp")
        && write(cancelPicture(), folder.filePath(QStringLiteral("cancel.bmp")), "bmp")
        && write(exitPicture(), folder.filePath(QStringLiteral("exit.bmp")), "bmp")
        && write(browsePicture(), folder.filePath(QStringLiteral("browse.bmp")), "bmp")
        && write(alarmClockPicture(), folder.filePath(QStringLiteral("alarmclock.bmp")), "bmp")
        && write(loudspeakerPicture(), folder.filePath(QStringLiteral("loudspeaker.bmp")), "bmp")
        && write(clockFacePicture(), folder.filePath(QStringLiteral("clockface.bmp")), "bmp")
        && write(skyPicture(), folder.filePath(QStringLiteral("sky.jpg")), "jpg")
        && write(iconPicture(), folder.filePath(QStringLiteral("somnelle.xpm")), "xpm")
        && write(indicatorPicture(1.25, QPointF(12, 12), paintMoonAndStars),
                 folder.filePath(QStringLiteral("indicator-night.png")), "png")
        && write(indicatorPicture(1.0, QPointF(13.5, 14.5), paintAlarmClock),
                 folder.filePath(QStringLiteral("indicator-alarm.png")), "png");
    if (ok && argc == 3)
        ok = writeThemeIcons(QDir(QString::fromLocal8Bit(argv[2])), QStringLiteral("org.somnelle.Somnelle"));
    return ok ? 0 : 1;
}
