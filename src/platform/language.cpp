#include "platform/language.h"

#include "platform/testing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace platform {
namespace {

struct Language {
    bool chosen = false;
    QString tag;                        // of the program's translation in use, empty for English
    std::unique_ptr<QTranslator> own;   // the program's texts
    std::unique_ptr<QTranslator> qt;    // Qt's own texts (dialog buttons)
    bool installed = false;
};
Language g_language;
QStringList g_testFolders; // searched before the program's own, as tests ask

QString ExecutableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application exists (the message that no display could be opened).
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

// "de-Latn-DE" as "de_Latn_DE", then "de_Latn", then "de".
QStringList Variants(QString language)
{
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList variants;
    for (;;) {
        variants << language;
        const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
        if (cut <= 0)
            return variants;
        language.truncate(cut);
    }
}

bool IsSourceLanguage(const QString& language)
{
    const QString base = Variants(language).constLast();
    return base == QLatin1String("en") || base == QLatin1String("C") || base == QLatin1String("POSIX");
}

// The first file prefix_<variant>.qm in the folders, for the variants of one language, else a
// file of the same language for another country (Qt has qtbase_pt_BR.qm and no qtbase_pt.qm).
QString FindFile(const QStringList& variants, const QString& prefix, const QStringList& folders, bool anyCountry)
{
    for (const QString& variant : variants)
        for (const QString& folder : folders)
            if (const QString path = QDir(folder).filePath(prefix + variant + QStringLiteral(".qm")); QFileInfo::exists(path))
                return path;
    if (anyCountry)
        for (const QString& folder : folders) {
            const QStringList found = QDir(folder).entryList({prefix + variants.constLast() + QStringLiteral("_*.qm")},
                                                             QDir::Files, QDir::Name);
            if (!found.isEmpty())
                return QDir(folder).filePath(found.first());
        }
    return {};
}

// The variables the C library takes the number format from, in their order of precedence.
QLocale FormatLocale()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            return QLocale(value);
    return QLocale::c();
}

void Install()
{
    if (g_language.installed || !QCoreApplication::instance())
        return;
    g_language.installed = true;
    if (g_language.qt)
        QCoreApplication::installTranslator(g_language.qt.get());
    if (g_language.own)
        QCoreApplication::installTranslator(g_language.own.get());
}

void Uninstall()
{
    if (g_language.installed) {
        if (g_language.qt)
            QCoreApplication::removeTranslator(g_language.qt.get());
        if (g_language.own)
            QCoreApplication::removeTranslator(g_language.own.get());
    }
    g_language = Language();
}

// Chooses the first language of the list that the program speaks; English (the source texts)
// where it comes first.
void Choose(const QStringList& languages, const QStringList& folders)
{
    g_language.chosen = true;
    for (const QString& language : languages) {
        if (IsSourceLanguage(language))
            break;
        const QStringList variants = Variants(language);
        const QString own = FindFile(variants, QStringLiteral("velmor08_"), folders, false);
        if (own.isEmpty())
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(own))
            continue;
        g_language.own = std::move(translator);
        g_language.tag = QFileInfo(own).completeBaseName().mid(int(qstrlen("velmor08_")));
        const QString qt = FindFile(variants, QStringLiteral("qtbase_"),
                                    {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}, true);
        if (auto qtTranslator = std::make_unique<QTranslator>(); !qt.isEmpty() && qtTranslator->load(qt))
            g_language.qt = std::move(qtTranslator);
        // Numbers and dates: the system's formats where they are of this language (de_AT, fr_CA),
        // else those of the language as asked for, or as the translation is written.
        if (FormatLocale().language() != QLocale(g_language.tag).language())
            QLocale::setDefault(variants.size() > 1 ? QLocale(variants.first()) : QLocale(g_language.own->language()));
        break;
    }
}

} // namespace

QStringList TranslationFolders()
{
    const QDir executable(ExecutableFolder());
    QStringList folders = g_testFolders;
    folders << executable.filePath(QStringLiteral("translations"));
#ifdef VELMOR08_INSTALLED_TRANSLATIONS
    // Where the install puts them, relative to the installed executable.
    folders << QDir::cleanPath(executable.filePath(QStringLiteral(VELMOR08_INSTALLED_TRANSLATIONS)));
#endif
    return folders;
}

QString UseSystemLanguage()
{
    if (!g_language.chosen)
        Choose(QLocale::system().uiLanguages(), TranslationFolders());
    Install();
    return g_language.tag;
}

QString Translated(const char* context, const char* sourceText)
{
    if (g_language.installed)
        return QCoreApplication::translate(context, sourceText);
    // Not yet installed, or no application to install them in: straight from the translation.
    if (!g_language.chosen)
        Choose(QLocale::system().uiLanguages(), TranslationFolders());
    if (g_language.own)
        if (const QString text = g_language.own->translate(context, sourceText); !text.isEmpty())
            return text;
    return QString::fromUtf8(sourceText);
}

QString LocaleDecimal(std::string_view text)
{
    const QString plain = QString::fromUtf8(text.data(), qsizetype(text.size()));
    qsizetype at = plain.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digitsFrom = at;
    qsizetype points = 0;
    for (; at < plain.size(); ++at) {
        const QChar c = plain[at];
        if (c == QLatin1Char('.') && at > digitsFrom && at + 1 < plain.size() && ++points == 1)
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return plain;
    }
    if (plain.size() == digitsFrom)
        return plain; // "-" or nothing: no number
    const QLocale locale;
    QString written = plain.mid(digitsFrom);
    written.replace(QLatin1Char('.'), locale.decimalPoint());
    return digitsFrom ? locale.negativeSign() + written : written;
}

void testing::UseLanguage(const QString& language, const QStringList& folders)
{
    Uninstall();
    QLocale::setDefault(QLocale::system());
    Choose(language.isEmpty() ? QStringList{QStringLiteral("C")} : language.split(QLatin1Char(':')), folders);
    Install();
}

void testing::UseTranslationFolder(const QString& folder) { g_testFolders = {folder}; }

} // namespace platform
