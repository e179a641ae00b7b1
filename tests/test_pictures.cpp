// SPDX-License-Identifier: MIT
// The window's pictures and the JPEG decoder.

#include <QFile>
#include <QtTest>

#include "ui/jpegdecoder.h"
#include "ui/pictures.h"

class PicturesTest : public QObject {
    Q_OBJECT

    static QByteArray skyBytes()
    {
        Pictures::sky(); // makes the pictures available
        QFile file(QStringLiteral(":/pictures/sky.jpg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void bitmapsHaveTheirSizesAndKeyColour_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("start") << "start.bmp" << QSize(100, 40);
        QTest::newRow("cancel") << "cancel.bmp" << QSize(100, 40);
        QTest::newRow("exit") << "exit.bmp" << QSize(100, 40);
        QTest::newRow("browse") << "browse.bmp" << QSize(29, 25);
        QTest::newRow("alarm clock") << "alarmclock.bmp" << QSize(37, 35);
        QTest::newRow("loudspeaker") << "loudspeaker.bmp" << QSize(32, 32);
        QTest::newRow("clock face") << "clockface.bmp" << QSize(32, 32);
    }

    void bitmapsHaveTheirSizesAndKeyColour()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString resource = QStringLiteral(":/pictures/") + name;
        const QImage raw(resource);
        QCOMPARE(raw.size(), size);
        QVERIFY(!raw.hasAlphaChannel());

        const QImage keyed = Pictures::keyed(resource).toImage();
        QCOMPARE(keyed.size(), size);
        // The lower-left colour is see-through wherever it stands, and only there.
        const QRgb key = raw.pixel(0, size.height() - 1);
        int opaque = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool isKey = raw.pixel(x, y) == key;
                QCOMPARE(qAlpha(keyed.pixel(x, y)) == 0, isKey);
                opaque += isKey ? 0 : 1;
            }
        QVERIFY(opaque > 0);
    }

    void missingPictureIsNull() { QVERIFY(Pictures::keyed(QStringLiteral(":/pictures/none.bmp")).isNull()); }

    void skyDecodesThroughLibjpeg()
    {
        const QImage sky = DecodeJpeg(skyBytes());
        QCOMPARE(sky.size(), QSize(165, 165));
        // Pale blue on average: blue above red.
        const QColor middle = sky.pixelColor(82, 82);
        QVERIFY(middle.blue() >= middle.red());
        QCOMPARE(Pictures::sky().size(), QSize(165, 165));
    }

    void damagedJpegGivesNullImage()
    {
        const QByteArray sky = skyBytes();
        QVERIFY(sky.size() > 1000);
        QVERIFY(DecodeJpeg(QByteArray()).isNull());
        QVERIFY(DecodeJpeg(QByteArray("not a jpeg at all")).isNull());
        QVERIFY(DecodeJpeg(sky.left(20)).isNull());
        // A corrupted header must not crash; whatever comes out is not the sky.
        QByteArray corrupt = sky;
        for (int i = 2; i < 200; i += 3)
            corrupt[i] = char(0xFF);
        const QImage damaged = DecodeJpeg(corrupt);
        QVERIFY(damaged.isNull() || damaged != DecodeJpeg(sky));
    }

    void iconHasSixteenColoursAtMost()
    {
        const QImage icon(QStringLiteral(":/pictures/somnelle.xpm"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(icon.pixel(x, y));
        QVERIFY(colours.size() > 2 && colours.size() <= 16);
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
