// SPDX-License-Identifier: MIT
// Every language: its texts complete, their placeholders kept, the window in
// it, and every text fitting its control.

#include <QAccessible>
#include <QCheckBox>
#include <QDomDocument>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QStyle>
#include <QtTest>

#include "session/sessiontext.h"
#include "ui/etchedline.h"
#include "ui/picturebutton.h"
#include "ui/pictures.h"
#include "ui/translations.h"
#include "programrig.h"

class TranslationsTest : public QObject {
    Q_OBJECT

    // Each message of a language's file: its source, translation and comment.
    struct Message {
        QString source, translation, comment;
        bool unfinished;
    };
    static QList<Message> messages(const QString &language)
    {
        QFile file(QStringLiteral(SOMNELLE_TRANSLATIONS "/somnelle_%1.ts").arg(language));
        QDomDocument document;
        if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
            return {};
        QList<Message> all;
        const QDomNodeList nodes = document.elementsByTagName(QStringLiteral("message"));
        for (int i = 0; i < nodes.size(); ++i) {
            const QDomElement message = nodes.at(i).toElement();
            const QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
            all << Message {message.firstChildElement(QStringLiteral("source")).text(), translation.text(),
                            message.firstChildElement(QStringLiteral("comment")).text(),
                            translation.attribute(QStringLiteral("type")) == QLatin1String("unfinished")};
        }
        return all;
    }
    static QStringList placeholders(const QString &text)
    {
        QStringList found;
        for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    }

    // Where a control draws: a label the ink of its text (whose softened last
    // column may touch what follows), an etched line only along its left edge.
    static QRect drawn(QWidget *control)
    {
        if (qobject_cast<EtchedLine *>(control))
            return QRect(control->x(), control->y(), 2, control->height());
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const QRect ink = label->fontMetrics().tightBoundingRect(label->text());
            return QRect(label->x() + ink.left(), label->y(), ink.width() - 1, label->height());
        }
        return control->geometry();
    }

    // What a check box or a radio button needs for its text.
    static int textRoom(QAbstractButton *button)
    {
        const bool radio = qobject_cast<QRadioButton *>(button);
        const QStyle *style = button->style();
        return style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth)
            + style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing)
            + button->fontMetrics().horizontalAdvance(button->text());
    }

private slots:
    void cleanup() { Translations::use({}); }

    // The first of the user's languages that Somnelle speaks, English among
    // them; Qt's own texts and the layout's direction follow that one.
    void languageLists_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen"); // empty: English
        QTest::newRow("British English before German") << QStringList {"en-GB", "de"} << "";
        QTest::newRow("Hebrew, then Austrian German") << QStringList {"he", "de-AT"} << "de";
        QTest::newRow("Singapore writes Simplified Chinese") << QStringList {"zh-SG"} << "zh_CN";
        QTest::newRow("Taiwan writes Traditional Chinese") << QStringList {"zh-TW", "ja"} << "ja";
    }

    void languageLists()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QCOMPARE(Translations::use(languages), !chosen.isEmpty());
        // Ours and Qt's, as that language's files have them.
        QTranslator ours, qt;
        if (ours.load("somnelle_" + chosen, ":/i18n")
            && qt.load("qtbase_" + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCOMPARE(QStringList({MainWindow::tr("Start"), QCoreApplication::translate("QLineEdit", "&Undo")}),
                     QStringList({ours.translate("MainWindow", "Start"), qt.translate("QLineEdit", "&Undo")}));
        else
            QCOMPARE(MainWindow::tr("Start") + QCoreApplication::translate("QLineEdit", "&Undo"), "Start&Undo");
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es", "it", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN", "ja"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void languages()
    {
        QFETCH(QString, language);
        const bool english = language == QLatin1String("en");
        const QList<Message> all = messages(language);
        QCOMPARE(all.isEmpty(), english);
        for (const Message &message : all) {
            QVERIFY2(!message.unfinished && !message.translation.isEmpty(), qPrintable(message.source));
            QCOMPARE(placeholders(message.translation), placeholders(message.source));
        }
        QCOMPARE(Translations::use({language}), !english);

        // The window speaks it: the Start button (its name and its picture's word), a status text, a message box.
        ProgramRig w;
        Form &f = w.f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QString start = MainWindow::tr("Start");
        QCOMPARE(f.startCancelButton->accessibleName(), start);
        QCOMPARE(f.startCancelButton->picture().toImage() == Pictures::keyed(":/pictures/start.bmp").toImage(),
                 start == QLatin1String("Start"));
        QTest::mouseClick(f.startCancelButton, Qt::LeftButton);
        QCOMPARE(f.statusText(), SessionText::tr("Set volume", "status line"));
        QCOMPARE(f.statusText() == QLatin1String("Set volume"), english);
        QString boxText;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&boxText] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxText = box->text();
                box->accept();
            }
        });
        closer.start(10);
        w.mixer.available = false;
        Q_EMIT f.window.opening(); // the mixer is asked again, as at the start
        QTRY_VERIFY(!boxText.isEmpty());
        QCOMPARE(boxText == QLatin1String("Mixer initialization error"), english);

        // Every control's accessible name contains its visible label: screen readers and voice control go by it.
        for (QWidget *control : f.window.findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(control);
            const auto *button = qobject_cast<QAbstractButton *>(control);
            QWidget *named = label && label->buddy() ? label->buddy() : control;
            const QString shown = label && label->buddy() ? label->text() : button ? button->text() : QString();
            const QString words = QString(shown)
                                      .remove(QLatin1Char('&'))
                                      .remove(QRegularExpression(QStringLiteral("[:\\x{FF1A}\\s\\x{A0}\\x{202F}]+$")));
            QVERIFY2(QAccessible::queryAccessibleInterface(named)
                         ->text(QAccessible::Name)
                         .contains(words, Qt::CaseInsensitive),
                     qPrintable(named->objectName() + QLatin1String(" is not named for ") + words));
        }

        // Every text fits its control: none overlaps another or leaves its panel, none is cut.
        f.volumeReadout->showPercent(100);
        f.sleepCheck->setVisible(true);
        for (QWidget *parent : {static_cast<QWidget *>(&f.window), static_cast<QWidget *>(f.timerPanel),
                                static_cast<QWidget *>(f.alarmPanel)}) {
            QList<QWidget *> children;
            for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
                if (child->isVisibleTo(&f.window) && child != f.skyPicture && child != f.statusBar)
                    children << child;
            for (QWidget *child : children) {
                QVERIFY2(parent == &f.window || parent->contentsRect().contains(child->geometry()),
                         qPrintable(child->objectName() + QLatin1String(" leaves its panel")));
                if (auto *choice = qobject_cast<QAbstractButton *>(child); choice && !choice->text().isEmpty())
                    QVERIFY2(textRoom(choice) <= choice->width(),
                             qPrintable(child->objectName() + QLatin1String(" is cut")));
                for (QWidget *other : children)
                    QVERIFY2(child == other || !drawn(child).intersects(drawn(other)),
                             qPrintable(child->objectName() + QLatin1String(" overlaps ") + other->objectName()));
            }
        }
        // The status line's texts, and the big buttons' words at a readable size.
        const QFontMetrics status(f.statusBar->font());
        QFont words(QStringLiteral("Sans Serif"));
        words.setBold(true);
        words.setPixelSize(11);
        // English's own texts are the sources of any language's file.
        for (const Message &message : english ? messages(QStringLiteral("de")) : all) {
            const QString text = QString(english ? message.source : message.translation)
                                     .replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral("07:30"));
            if (message.comment == QLatin1String("status line"))
                QVERIFY2(status.horizontalAdvance(text) < f.statusBar->width() - 8, qPrintable(text));
        }
        for (const QString &word : {MainWindow::tr("Start"), MainWindow::tr("Cancel"), MainWindow::tr("Exit")})
            QVERIFY2(QFontMetrics(words).horizontalAdvance(word) <= 58, qPrintable(word));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
