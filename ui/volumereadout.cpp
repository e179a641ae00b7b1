// SPDX-License-Identifier: MIT
#include "ui/volumereadout.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

// Drawn together, the first one with cold caches and the others warm: a fade
// then lays out text once every ten percents, and ten pictures take some 50 kB.
const int PicturesAtOnce = 10;

} // namespace

QString VolumeReadout::textFor(quint8 percent)
{
    return tr("Volume: %1 %").arg(percent);
}

void VolumeReadout::showPercent(quint8 percent)
{
    if (keep_ && percent <= MostPercent && !fits(pictures_[percent]))
        drawPictures(percent);
    // A fade shows the same percent for many seconds: nothing to format, lay out or paint then.
    if (percent == percent_)
        return;
    percent_ = percent;
    setText(textFor(percent));
}

void VolumeReadout::keepPictures(bool keep)
{
    keep_ = keep;
    dropPictures();
}

bool VolumeReadout::fits(const QPixmap &picture) const
{
    return !picture.isNull() && picture.devicePixelRatio() == devicePixelRatioF()
        && picture.deviceIndependentSize().toSize() == size();
}

// Each picture is the label's own drawing of that text, made with the calls
// QLabel makes for a plain text without frame or indent, as the readout is:
// the same style, font, palette, place and alignment, one painter per
// picture. Pictures are clear where there is no text: the label's background
// is painted beneath them, as beneath any of its drawings.
void VolumeReadout::drawPictures(int highest)
{
    dropPictures();
    const qreal ratio = devicePixelRatioF();
    QStyleOption option;
    option.initFrom(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = QStyle::visualAlignment(Qt::LeftToRight, alignment()) | Qt::TextForceLeftToRight;
    for (int percent = highest; percent > highest - PicturesAtOnce && percent >= 0; --percent) {
        QPixmap picture(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setFont(font());
        style()->drawItemText(&painter, area, flags, option.palette, isEnabled(), textFor(quint8(percent)),
                              foregroundRole());
        painter.end();
        pictures_[size_t(percent)] = picture;
    }
}

void VolumeReadout::dropPictures()
{
    for (QPixmap &picture : pictures_)
        picture = QPixmap();
}

void VolumeReadout::paintEvent(QPaintEvent *event)
{
    if (percent_ < 0 || percent_ > MostPercent || !fits(pictures_[size_t(percent_)])) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictures_[size_t(percent_)]);
}

void VolumeReadout::resizeEvent(QResizeEvent *event)
{
    dropPictures();
    QLabel::resizeEvent(event);
}

void VolumeReadout::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::LayoutDirectionChange:
        dropPictures();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}
