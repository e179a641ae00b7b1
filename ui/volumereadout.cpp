#include "ui/volumereadout.h"

#include <QEvent>
#include <QPainter>

#include "audio/levels.h"

namespace {

const int MostPercent = 100;

} // namespace

void VolumeReadout::showPercent(quint8 percent)
{
    percent_ = percent <= MostPercent ? percent : -1;
    if (keep_ && !picturesFit())
        drawPictures();
    setText(VolumeReadoutText(percent));
}

void VolumeReadout::keepPictures(bool keep)
{
    keep_ = keep;
    pictures_.clear();
    if (keep)
        drawPictures();
}

bool VolumeReadout::picturesFit() const
{
    return !pictures_.empty() && pictures_.front().devicePixelRatio() == devicePixelRatioF()
        && pictures_.front().deviceIndependentSize().toSize() == size();
}

// Each picture is the label's own drawing of that text, background included:
// the same style, font, palette and size as on the screen.
void VolumeReadout::drawPictures()
{
    const QString shown = text();
    const qreal ratio = devicePixelRatioF();
    pictures_.clear();
    pictures_.reserve(MostPercent + 1);
    drawingPictures_ = true;
    for (int percent = 0; percent <= MostPercent; ++percent) {
        QPixmap picture(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QLabel::setText(VolumeReadoutText(quint8(percent)));
        render(&picture);
        pictures_.push_back(picture);
    }
    QLabel::setText(shown);
    drawingPictures_ = false;
}

void VolumeReadout::paintEvent(QPaintEvent *event)
{
    if (drawingPictures_ || percent_ < 0 || !picturesFit()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictures_[size_t(percent_)]);
}

void VolumeReadout::resizeEvent(QResizeEvent *event)
{
    pictures_.clear();
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
        pictures_.clear();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}
