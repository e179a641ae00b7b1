// SPDX-License-Identifier: MIT
// The default wake-up tune: found where the program looks for its data, and
// a well-formed Standard MIDI File of a sensible length.

#include <QFile>
#include <QtTest>

#include "platform/startfile.h"

class TuneTest : public QObject {
    Q_OBJECT

    // Reads a big-endian number of n bytes, or a variable-length quantity.
    struct Reader {
        const QByteArray &bytes;
        qsizetype at = 0;
        bool ok = true;

        quint32 number(int n)
        {
            quint32 value = 0;
            for (int i = 0; i < n; ++i)
                value = value << 8 | byte();
            return value;
        }
        quint32 quantity()
        {
            quint32 value = 0;
            for (int i = 0; i < 4; ++i) {
                const quint8 b = byte();
                value = value << 7 | (b & 0x7F);
                if (!(b & 0x80))
                    return value;
            }
            ok = false;
            return value;
        }
        quint8 byte()
        {
            if (at >= bytes.size()) {
                ok = false;
                return 0;
            }
            return quint8(bytes[at++]);
        }
    };

private slots:
    void defaultTuneIsAWellFormedMidiFileOfHalfAMinuteToAMinute()
    {
        const QString path = StartFile::resolve(QStringLiteral("europe.mid"), {StartFile::programDataFolder()});
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        Reader r {bytes};

        QCOMPARE(bytes.left(4), QByteArray("MThd"));
        r.at = 4;
        QCOMPARE(r.number(4), 6u);
        const quint32 format = r.number(2), tracks = r.number(2), division = r.number(2);
        QVERIFY(format <= 1 && tracks >= 1 && division > 0 && division < 0x8000);

        double seconds = 0;
        double secondsPerTick = 0.5 / division; // 120 beats a minute until told otherwise
        for (quint32 track = 0; track < tracks; ++track) {
            QCOMPARE(bytes.mid(r.at, 4), QByteArray("MTrk"));
            r.at += 4;
            const quint32 length = r.number(4);
            const qsizetype end = r.at + length;
            QVERIFY(end <= bytes.size());
            double trackSeconds = 0;
            bool ended = false;
            quint8 status = 0;
            while (r.ok && r.at < end && !ended) {
                trackSeconds += r.quantity() * secondsPerTick;
                if (quint8(bytes[r.at]) & 0x80)
                    status = r.byte();
                QVERIFY2(status & 0x80, "a data byte without a status");
                if (status == 0xFF) {
                    const quint8 type = r.byte();
                    const quint32 eventLength = r.quantity();
                    if (type == 0x51)
                        secondsPerTick = r.number(3) / 1e6 / division;
                    else
                        r.at += eventLength;
                    ended = type == 0x2F;
                } else if (status == 0xF0 || status == 0xF7) {
                    r.at += r.quantity();
                } else {
                    const quint8 kind = status & 0xF0;
                    r.at += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                }
            }
            QVERIFY2(ended && r.at == end, "a track must close with its end-of-track event, at its stated length");
            seconds = qMax(seconds, trackSeconds);
        }
        QCOMPARE(r.at, bytes.size());
        QVERIFY2(seconds >= 30 && seconds <= 60, qPrintable(QString::number(seconds)));
    }
};

QTEST_MAIN(TuneTest)
#include "test_tune.moc"
