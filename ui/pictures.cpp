// SPDX-License-Identifier: MIT
#include "ui/pictures.h"

#include <QBitmap>
#include <QFile>
#include <QImage>

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

QPixmap keyed(const QString &resource)
{
    registerPictures();
    QImage image(resource);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    const QRgb key = image.pixel(0, image.height() - 1);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
    return pixmap;
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
