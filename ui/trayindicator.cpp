// SPDX-License-Identifier: MIT
#include "ui/trayindicator.h"

#include <QPainter>
#include <QtEndian>

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

// Around the disc: the share still to go, from the top, anticlockwise as it empties.
void drawRing(QImage &picture, double left)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double size = picture.width();
    const double width = size / 10.0;
    const QRectF ring = QRectF(0, 0, size, size).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    p.setPen(QPen(QColor(0x10, 0x20, 0x60, 0x60), width));
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(0xF0, 0xD8, 0x60), width, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 90 * 16, int(left * 360 * 16));
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
