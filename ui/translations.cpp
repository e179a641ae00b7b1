// SPDX-License-Identifier: MIT
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The name of our texts' file for a language ("de", "pt_BR"): Chinese goes by
// its script, so Singapore's Simplified Chinese finds ours and Taiwan's
// Traditional does not.
QString fileNameFor(const QLocale &language)
{
    if (language.language() == QLocale::Chinese)
        return language.script() == QLocale::SimplifiedHanScript ? QStringLiteral("zh_CN") : QString();
    // QTranslator tries "de_AT", then "de".
    return language.name();
}

} // namespace

bool Translations::use(const QStringList &languages)
{
    // Built into the program, so that it speaks the language wherever it is run from.
    static QTranslator ours;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qt);
    QString chosen;
    for (const QString &tag : languages) {
        const QLocale language(tag);
        // English is the program's own: wanted before another, it wins.
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        const QString file = fileNameFor(language);
        if (!file.isEmpty() && ours.load(QStringLiteral("somnelle_") + file, QStringLiteral(":/i18n"))) {
            chosen = file;
            break;
        }
    }
    // Day and month names in the texts' own language, also where only LANGUAGE asks for it.
    QLocale::setDefault(chosen.isEmpty() ? QLocale::c() : QLocale(ours.language()));
    if (chosen.isEmpty())
        return false;
    QCoreApplication::installTranslator(&ours);
    if (qt.load(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}
