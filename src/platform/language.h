#pragma once
// The language the program speaks: its own translations (velmor08_<language>.qm) and Qt's (the
// dialogs' buttons, qtbase_<language>.qm), chosen once at the start from the system locale, which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG. A language without a translation of the program
// is English, the texts as they are written in the code, and then nothing else changes either.
#include <QLocale>
#include <QString>
#include <QStringList>

#include <string_view>

namespace platform {

// The folders the program's translations are looked for in, in this order: "translations" next to
// the executable (the build folder) and the data folder of an installed program.
QStringList TranslationFolders();

// Loads and installs the translations for the system locale (once; later calls only answer). The
// language tag of the translation in use ("de", "pt"), or empty for English. With a translation
// in use, numbers and dates are written as the system locale writes them when it is of the same
// language, else as that language's own locale does, so a German game never shows English numbers.
QString UseSystemLanguage();

// A text in the language in use, also before the application exists (what is said on standard
// error when no display can be opened): as QCoreApplication::translate, and before the language
// is installed straight from the translation the system locale asks for.
QString Translated(const char* context, const char* sourceText);

// A decimal text of the element table ("55.847", "-259.19") written with the locale's decimal
// separator and minus sign; any other text ("-", "") unchanged. Under English and C it is the text.
QString LocaleDecimal(std::string_view text);

} // namespace platform
