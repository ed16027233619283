// Zugwerk! program start: the application object with its title, the translation for the system's
// language, the main window, the options dialog, the remembered preferences, then the event loop until
// the main window ends it. A file named on the command line (a PGN game or a game file) is opened
// once the window shows.

#include "app/application.h"
#include "app/translations.h"
#include "app/unit1.h"
#include "app/unit2.h"
#include "board/entry_point.h"

#include <memory>

int main(int argc, char* argv[])
{
    TZugwerkApplication application(argc, argv);
    try {
        TZugwerkApplication::set_Title(QStringLiteral("Zugwerk!"));
        // Before the windows, whose texts are translated as they are made.
        InstallTranslations(application, QLocale::system(), TranslationFolders(QCoreApplication::applicationDirPath()));
        auto form1 = std::make_unique<TForm1>(application.Dialogs());
        auto form2 = std::make_unique<TForm2>(*form1);
        form1->SetOptionsDialog(*form2);
        // Read only when the player once asked to remember the settings; otherwise nothing is stored.
        form1->UsePreferencesFile(TPreferencesStore::DefaultFileName());
        form1->show();
        // Queued, so that it runs in the event loop and a file that cannot be read reaches the error box.
        if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1)
            QMetaObject::invokeMethod(
                form1.get(),
                [form = form1.get(), fileName = arguments.at(1)] {
                    CatchAtEntryPoint([&] { form->OpenFile(fileName); });
                },
                Qt::QueuedConnection);
        return application.exec();
    } catch (const std::exception& e) {
        // Nothing runs yet that could go on: say what went wrong and end.
        application.ShowException(e);
        return 1;
    }
}
