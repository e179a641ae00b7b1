// SPDX-License-Identifier: MIT
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool Translations::use(const QLocale &locale)
{
    // Built into the program, so that it speaks the language wherever it is run from.
    static QTranslator ours;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qt);
    const bool found = ours.load(locale, QStringLiteral("somnelle"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (!found)
        return false;
    QCoreApplication::installTranslator(&ours);
    // Day and month names in the texts' own language, also where only LANGUAGE asks for it.
    QLocale::setDefault(QLocale(ours.language()));
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}
