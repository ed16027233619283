#pragma once

// The program's languages. Its texts are written in English in the source, and English needs no file:
// a translation is a zugwerk_<language>.qm file, built from translations/zugwerk_<language>.ts. At start
// the program takes the first of the system's user-interface languages that it has a file for, and
// Qt's own translation of its dialogs and standard buttons in the same language. English, or a
// language before any with a file, keeps the source texts.
//
// The translators are children of the application object, which installs and owns them; main
// thread only, before the windows are made, so that every text is translated as it is created.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Where the program's .qm files are looked for, in order: the data folder of an installed program
// (<bindir>/../share/zugwerk/translations), then the build folder's translations/ beside the binary.
QStringList TranslationFolders(const QString& applicationDir);

// Installs the program's translation for the locale's languages from the first folder that has it,
// and Qt's own from its translations folder. Returns the language loaded ("de"), or an empty string
// when the program keeps its English texts (then Qt's own is not loaded either).
QString InstallTranslations(QCoreApplication& application, const QLocale& locale, const QStringList& folders);
