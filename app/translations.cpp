// Finding and installing the translations for the system's languages.

#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

// Set by the build: the data folder's translations relative to the installed program's folder.
#ifndef ZUGWERK_INSTALLED_TRANSLATIONS
#define ZUGWERK_INSTALLED_TRANSLATIONS "../share/zugwerk/translations"
#endif

namespace {

// The file names a language may have, the most particular first: "de-DE" is de_DE, then de.
QStringList FileLanguages(const QString& uiLanguage)
{
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names;
    while (!name.isEmpty()) {
        names.append(name);
        const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
        if (cut < 0)
            break;
        name.truncate(cut);
    }
    return names;
}

// The source texts are English: a system that puts English first gets them, whatever follows.
bool IsSourceLanguage(const QString& uiLanguage)
{
    return uiLanguage == QLatin1String("C") || uiLanguage == QLatin1String("en")
        || uiLanguage.startsWith(QLatin1String("en-")) || uiLanguage.startsWith(QLatin1String("en_"));
}

// Loads base_<language>.qm from the first folder that has it; QTranslator's own search would also
// take a file without the language, which is never meant.
bool InstallFile(
    QCoreApplication& application, const QString& base, const QString& language, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(base + QLatin1Char('_') + language + QStringLiteral(".qm"));
        if (!QFileInfo::exists(path))
            continue;
        auto* translator = new QTranslator(&application);
        if (translator->load(path)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        // A damaged file: the next folder may hold a good one.
        delete translator;
    }
    return false;
}

} // namespace

QStringList TranslationFolders(const QString& applicationDir)
{
    const QDir dir(applicationDir);
    return { QDir::cleanPath(dir.filePath(QStringLiteral(ZUGWERK_INSTALLED_TRANSLATIONS))),
        dir.filePath(QStringLiteral("translations")) };
}

QString InstallTranslations(QCoreApplication& application, const QLocale& locale, const QStringList& folders)
{
    for (const QString& uiLanguage : locale.uiLanguages()) {
        if (IsSourceLanguage(uiLanguage))
            return {};
        for (const QString& language : FileLanguages(uiLanguage)) {
            if (!InstallFile(application, QStringLiteral("zugwerk"), language, folders))
                continue;
            // Qt's standard buttons and dialogs; the program's texts do without them when Qt has none.
            const QStringList qtFolder { QLibraryInfo::path(QLibraryInfo::TranslationsPath) };
            for (const QString& qtLanguage : FileLanguages(language))
                if (InstallFile(application, QStringLiteral("qtbase"), qtLanguage, qtFolder))
                    break;
            return language;
        }
    }
    return {};
}
