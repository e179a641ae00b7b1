// SPDX-License-Identifier: MIT
#include "ui/trayindicator.h"

#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <utility>

namespace {

// The ring's steps: finer would only send a new icon more often.
constexpr int RingSteps = 60;

QPixmap figure(bool fading, int size, double left)
{
    QPixmap pixmap = QPixmap(fading ? QStringLiteral(":/pictures/indicator-night.png")
                                    : QStringLiteral(":/pictures/indicator-alarm.png"))
                         .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!fading)
        return pixmap;
    // Around the disc: the share still to go, from the top, anticlockwise as it empties.
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double width = size / 10.0;
    const QRectF ring = QRectF(0, 0, size, size).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    p.setPen(QPen(QColor(0x10, 0x20, 0x60, 0x60), width));
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(0xF0, 0xD8, 0x60), width, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 90 * 16, int(left * 360 * 16));
    return pixmap;
}

} // namespace

TrayIndicator::TrayIndicator(QObject *parent)
    : QObject(parent)
    , menu_(std::make_unique<QMenu>())
{
    connect(menu_->addAction(tr("Show Somnelle")), &QAction::triggered, this, &TrayIndicator::windowWanted);
    extend_ = menu_->addAction(tr("Add 15 minutes"));
    connect(extend_, &QAction::triggered, this, &TrayIndicator::extendRequested);
    cancel_ = menu_->addAction(tr("Cancel the timer"));
    connect(cancel_, &QAction::triggered, this, &TrayIndicator::cancelRequested);
    silence_ = menu_->addAction(tr("Silence the alarm"));
    connect(silence_, &QAction::triggered, this, &TrayIndicator::silenceRequested);
}

TrayIndicator::~TrayIndicator() = default;

QIcon TrayIndicator::drawIcon(bool fading, double left)
{
    QIcon icon;
    for (const int size : {22, 48, 64})
        icon.addPixmap(figure(fading, size, left));
    return icon;
}

void TrayIndicator::show(const View &view)
{
    if (!icon_) {
        // Looked for once a night: a desktop without a tray gets nothing, and hears nothing of it.
        if (std::exchange(lookedForTray_, true) || !QSystemTrayIcon::isSystemTrayAvailable())
            return;
        icon_ = std::make_unique<QSystemTrayIcon>();
        icon_->setContextMenu(menu_.get());
        connect(icon_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                Q_EMIT windowWanted();
        });
        ringShown_ = -1;
        shown_ = View();
    }
    extend_->setVisible(view.fading);
    cancel_->setVisible(!view.sounding);
    silence_->setVisible(view.sounding);
    const int ring = view.fading ? qRound(view.left * RingSteps) : -1;
    if (ring != ringShown_ || !icon_->isVisible()) {
        icon_->setIcon(drawIcon(view.fading, double(ring) / RingSteps));
        ringShown_ = ring;
    }
    if (view.toolTip != shown_.toolTip || !icon_->isVisible())
        icon_->setToolTip(view.toolTip);
    shown_ = view;
    icon_->show();
}

void TrayIndicator::remove()
{
    // The item leaves the bus with its icon; a new session makes a new one.
    icon_.reset();
    lookedForTray_ = false;
}
