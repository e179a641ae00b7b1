// SPDX-License-Identifier: MIT
#include "ui/trayindicator.h"

#include <QColor>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

// The ring's steps: finer would only send a new icon more often.
constexpr int RingSteps = 60;
// The picture number of the alarm clock, beside the ring's steps.
constexpr int AlarmClock = -1;

// The pictures at each size, scaled once a run: a redraw only adds the ring.
QList<QImage> scaled(const QString &file)
{
    const QImage picture(file);
    QList<QImage> sizes;
    for (const int size : {22, 48, 64})
        sizes << picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return sizes;
}

// A colour over a premultiplied pixel, covering the given share of it.
QRgb over(QRgb pixel, const QColor &colour, double coverage)
{
    const double alpha = colour.alphaF() * coverage;
    const auto channel = [alpha](int source, int target) { return qRound(source * alpha + target * (1 - alpha)); };
    return qRgba(channel(colour.red(), qRed(pixel)), channel(colour.green(), qGreen(pixel)),
                 channel(colour.blue(), qBlue(pixel)), channel(255, qAlpha(pixel)));
}

// From the top, anticlockwise, in turns (0 to 1): y grows downwards.
double turnOf(double dx, double dy)
{
    return std::fmod(std::atan2(-dy, dx) / (2 * M_PI) + 0.75, 1.0);
}

// Around the disc: the share still to go, from the top, anticlockwise as it
// empties, over a faint track. Drawn by hand, each pixel of the ring sampled
// 4 x 4 times: QPainter's antialiased strokes hand their spans to Qt's thread
// pool, whose threads would wake several times a second during a fade. Only
// a pixel at an end of the arc needs its angle sampled too.
void drawRing(QImage &picture, double left)
{
    constexpr int Samples = 4;
    constexpr double Share = 1.0 / (Samples * Samples);
    const double centre = picture.width() / 2.0;
    const double inner = centre - picture.width() / 10.0;
    const QColor track(0x10, 0x20, 0x60, 0x60);
    const QColor arc(0xF0, 0xD8, 0x60);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const double radius = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            if (radius < inner - 1 || radius > centre + 1)
                continue;
            // A pixel spans this much of a turn at its radius: nearer an end, the angle is sampled.
            const double turn = turnOf(x + 0.5 - centre, y + 0.5 - centre);
            const double pixelTurn = 1 / (2 * M_PI * radius);
            const bool atAnEnd = std::min({turn, 1 - turn, std::abs(turn - left)}) < pixelTurn;
            int inRing = 0;
            int inArc = 0;
            for (int sample = 0; sample < Samples * Samples; ++sample) {
                const double dx = x + (sample % Samples + 0.5) / Samples - centre;
                const double dy = y + (sample / Samples + 0.5) / Samples - centre;
                const double squared = dx * dx + dy * dy;
                if (squared < inner * inner || squared > centre * centre)
                    continue;
                ++inRing;
                inArc += (atAnEnd ? turnOf(dx, dy) : turn) < left;
            }
            if (inRing > 0)
                line[x] = over(over(line[x], track, inRing * Share), arc, inArc * Share);
        }
    }
}

} // namespace

TrayIndicator::TrayIndicator(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , item_(QDBusObjectPath(DBusMenu::Path))
    , registration_(std::move(bus), &item_, &menu_)
{
    const int show = menu_.addEntry(tr("Show Somnelle"));
    extend_ = menu_.addEntry(tr("Add 15 minutes"));
    cancel_ = menu_.addEntry(tr("Cancel the timer"));
    silence_ = menu_.addEntry(tr("Silence the alarm"));
    connect(&menu_, &DBusMenu::clicked, this, [this, show](int id) {
        if (id == show)
            Q_EMIT windowWanted(QString());
        else if (id == extend_)
            Q_EMIT extendRequested();
        else if (id == cancel_)
            Q_EMIT cancelRequested();
        else if (id == silence_)
            Q_EMIT silenceRequested();
    });
    connect(&item_, &StatusNotifierItem::activated, this, &TrayIndicator::windowWanted);
}

PanelIcon TrayIndicator::drawIcon(bool alarmClock, double left)
{
    static const QList<QImage> night = scaled(QStringLiteral(":/pictures/indicator-night.png"));
    static const QList<QImage> alarm = scaled(QStringLiteral(":/pictures/indicator-alarm.png"));
    PanelIcon icon;
    for (QImage picture : alarmClock ? alarm : night) {
        if (!alarmClock)
            drawRing(picture, left);
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
        QByteArray bytes(argb.sizeInBytes(), Qt::Uninitialized);
        qToBigEndian<quint32>(argb.constBits(), argb.width() * argb.height(), bytes.data());
        icon << PanelIconImage {argb.width(), argb.height(), bytes};
    }
    return icon;
}

void TrayIndicator::show(const View &view)
{
    menu_.setVisible(extend_, view.fading);
    menu_.setVisible(cancel_, !view.sounding);
    menu_.setVisible(silence_, view.sounding);
    const int picture = view.alarmClock ? AlarmClock : qRound(view.left * RingSteps);
    // A panel reads the item whole as it learns of it: a new item announces nothing.
    if (picture != pictureShown_ || !shown_)
        item_.setIcon(drawIcon(view.alarmClock, double(picture) / RingSteps));
    if (view.toolTip != toolTipShown_ || !shown_)
        item_.setToolTip(view.toolTip);
    pictureShown_ = picture;
    toolTipShown_ = view.toolTip;
    if (!std::exchange(shown_, true))
        registration_.publish();
}

void TrayIndicator::remove()
{
    // The item leaves the bus; the next night puts it back under a new name.
    registration_.withdraw();
    shown_ = false;
}
