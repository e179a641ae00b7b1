// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The program's texts, and Qt's own (a line edit's menu, the file dialog), in
// one language: the first of the user's languages that Somnelle speaks
// (English among them), else English. Qt's texts, and with them the layout's
// direction, follow the language chosen, never one further down the list.
namespace Translations {

// languages: the user's, most wanted first, as QLocale::uiLanguages() lists
// them. Replaces the texts in use; answers whether ours were found (false
// for English).
bool use(const QStringList &languages);

} // namespace Translations
