// SPDX-License-Identifier: MIT
#pragma once

class QLocale;

// The program's texts, and Qt's own (a line edit's menu, the file dialog), in
// a language: the first of the locale's languages that there are texts for,
// else English.
namespace Translations {

// Replaces the texts in use; answers whether ours were found.
bool use(const QLocale &locale);

} // namespace Translations
