// SPDX-License-Identifier: MIT
#include "ui/pictures.h"

#include <QBitmap>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "ui/jpegdecoder.h"

// The pictures are compiled into the program's core library, which the
// linker would otherwise leave out.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace Pictures {

namespace {

    QPixmap withKey(const QImage &image)
    {
        QPixmap pixmap = QPixmap::fromImage(image);
        const QRgb key = image.pixel(0, image.height() - 1);
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
        return pixmap;
    }

} // namespace

QPixmap keyed(const QString &resource)
{
    registerPictures();
    const QImage image(resource);
    return image.isNull() ? QPixmap() : withKey(image);
}

QPixmap worded(const QString &resource, const QString &word, int wordLeft)
{
    registerPictures();
    QImage image(resource);
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_RGB888);
    QPainter painter(&image);
    // The word as the pictures' own is drawn (tools/makeart), smaller when it would not fit.
    const QRect area(wordLeft, 0, image.width() - wordLeft, image.height());
    painter.fillRect(area, image.pixel(0, image.height() - 1));
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    for (int pixels = 16; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(word) <= area.width())
            break;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, word);
    painter.end();
    return withKey(image);
}

QPixmap sky()
{
    registerPictures();
    QFile file(QStringLiteral(":/pictures/sky.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(DecodeJpeg(file.readAll()));
}

} // namespace Pictures
