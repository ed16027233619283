// The translations: the German file complete and current with the sources, the loader's choice of
// language, and the window in German once it is loaded.

#include "app/game_setup.h"
#include "app/preferences.h"
#include "app/translations.h"
#include "app/unit2.h"
#include "engine/levels.h"
#include "tests/app/app_test_support.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// One text of a .ts file: its context, source and disambiguation.
using TextKey = std::tuple<QString, QString, QString>;

// What a .ts file says of a text: its translation state and whether every form is filled in.
struct TranslationState {
    QString Type; // "" when finished, else "unfinished", "vanished", "obsolete"
    bool Filled = false;
};

std::map<TextKey, TranslationState> ReadTs(const QString& fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    std::map<TextKey, TranslationState> texts;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    TranslationState state;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name"))
                context = xml.readElementText();
            else if (name == QLatin1String("message"))
                source.clear(), comment.clear(), state = {};
            else if (name == QLatin1String("source"))
                source = xml.readElementText();
            else if (name == QLatin1String("comment"))
                comment = xml.readElementText();
            else if (name == QLatin1String("translation")) {
                state.Type = xml.attributes().value(QLatin1String("type")).toString();
                state.Filled = true;
                // Plural texts hold a form for each number; a plain text holds its translation.
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                state.Filled = !text.trimmed().isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            texts[{ context, source, comment }] = state;
    }
    EXPECT_FALSE(xml.hasError()) << fileName.toStdString() << ": " << xml.errorString().toStdString();
    return texts;
}

std::string Describe(const TextKey& key)
{
    return (std::get<0>(key) + QStringLiteral(": \"") + std::get<1>(key) + QLatin1Char('"')).toStdString();
}

// The German translation, installed for one test and taken out after it, as the program installs it.
class German : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")),
                      { QStringLiteral(ZUGWERK_TRANSLATIONS_BUILT) }),
            "de");
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        RemoveTranslators();
    }

public:
    static void RemoveTranslators()
    {
        for (QTranslator* translator :
            QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

// The access keys of a menu's visible items, each letter at most once.
std::vector<QString> RepeatedAccessKeys(const QMenu& menu)
{
    std::set<QChar> seen;
    std::vector<QString> repeated;
    for (const QAction* action : menu.actions()) {
        const QString text = action->text();
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        if (!action->isVisible() || mark < 0 || mark + 1 >= text.size())
            continue;
        if (!seen.insert(text[mark + 1].toLower()).second)
            repeated.push_back(text);
    }
    return repeated;
}

} // namespace

// Every text of the window and the board is in the committed German file, translated; and the file
// holds no text the sources have dropped. A text added without its translation fails here: run the
// update_translations target and translate it (Qt Linguist).
TEST(Translations, GermanIsCompleteAndCurrent)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fresh = folder.filePath(QStringLiteral("zugwerk_de.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ZUGWERK_LUPDATE),
        { QStringLiteral("@" ZUGWERK_LUPDATE_SOURCES), QStringLiteral("-silent"), QStringLiteral("-locations"),
            QStringLiteral("none"), QStringLiteral("-ts"), fresh });
    ASSERT_TRUE(lupdate.waitForFinished(60000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const auto sources = ReadTs(fresh);
    const auto committed = ReadTs(QStringLiteral(ZUGWERK_TRANSLATIONS_SOURCE "/zugwerk_de.ts"));
    ASSERT_GT(sources.size(), 400u) << "lupdate found too few texts: are the sources listed?";
    for (const auto& [key, state] : sources) {
        const auto found = committed.find(key);
        if (found == committed.end())
            ADD_FAILURE() << "not in zugwerk_de.ts: " << Describe(key);
        else if (!found->second.Type.isEmpty() || !found->second.Filled)
            ADD_FAILURE() << "not translated: " << Describe(key);
    }
    for (const auto& [key, state] : committed)
        if (!sources.contains(key))
            ADD_FAILURE() << "no longer in the sources: " << Describe(key);
}

// The first of the locale's languages with a file wins; English, or no file, keeps the source texts
// and installs nothing, Qt's own translation neither.
TEST(Translations, LanguageFollowsTheLocale)
{
    const struct {
        const char* locale;
        const char* language;
    } cases[]
        = { { "de_DE", "de" }, { "de_AT", "de" }, { "en_US", "" }, { "en_GB", "" }, { "fr_FR", "" }, { "C", "" } };
    const QStringList folders { QStringLiteral("/nonexistent"), QStringLiteral(ZUGWERK_TRANSLATIONS_BUILT) };
    for (const auto& c : cases) {
        EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(c.locale)), folders),
            QString::fromLatin1(c.language))
            << c.locale;
        const bool german = *c.language != '\0';
        EXPECT_EQ(QCoreApplication::translate("TForm1", "&File"), german ? "&Datei" : "&File") << c.locale;
        // Qt's standard buttons come along.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), german ? "Abbrechen" : "Cancel") << c.locale;
        German::RemoveTranslators();
    }
    EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")), {}), "");
    EXPECT_TRUE(TranslationFolders(QStringLiteral("/opt/zw/bin")).contains(QStringLiteral("/opt/zw/bin/translations")));
}

// The menus, a dialog and the board's game texts in German, each menu's access keys distinct.
TEST_F(German, WindowMenusDialogsAndGameTexts)
{
    const QList<QAction*> bar = form->menuBar()->actions();
    ASSERT_GE(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&Datei");
    EXPECT_EQ(bar[1]->text(), "&Bearbeiten");
    EXPECT_EQ(form->New1->text(), "&Neue Partie");
    EXPECT_EQ(form->RadioGroup1->Caption(), "Spieler 1");
    for (QAction* item : bar)
        if (item->menu()) {
            emit item->menu()->aboutToShow(); // items that show only on their conditions
            EXPECT_EQ(RepeatedAccessKeys(*item->menu()), std::vector<QString> {}) << item->text().toStdString();
        }

    TForm2 options(*form);
    EXPECT_EQ(options.windowTitle(), "Optionen");
    EXPECT_EQ(options.Button1->text(), "&OK");

    // The specified texts of the game: a refused move, a move, then mate.
    Board().OnIllegalMove(&Board(), Square::E2);
    EXPECT_EQ(form->StatusText(), "Unzulässiger Zug");
    Play(Board(), "f2f3 e7e5 g2g4");
    EXPECT_EQ(form->StatusText(), "Zug 2 : 39");
    Play(Board(), "d8h4");
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Matt!" });
    EXPECT_EQ(form->StatusText(), "Matt");

    // The longest clock texts, with the longer German side names, fit their labels.
    form->SetTimeControl(TTimeControl { TTimeControl::MaxMinutes, 0 });
    for (const QLabel* label : { form->Label1, form->Label2 })
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
}

// The names that tables give, also those outside the window's sources (the engine's levels), each
// translated where it is shown: an entry added without its translation marker fails here.
TEST_F(German, NamesFromTablesAreTranslated)
{
    for (const engine::Level& level : engine::Levels()) {
        const QString name = QString::fromLatin1(level.Name);
        EXPECT_NE(LevelCaption(name), name) << level.Name;
        // The files keep the English names.
        EXPECT_EQ(TPlayerChoice::BuiltIn(name).DisplayName(), QStringLiteral("Zugwerk! ") + name);
    }
    const auto translated = [](const char* caption) {
        return QCoreApplication::translate("TPreferencesDialog", caption) != QLatin1String(caption);
    };
    for (const TPreferenceEntry& entry : PreferenceEntries)
        EXPECT_TRUE(translated(entry.Caption)) << entry.Caption;
    for (const TBoardThemeEntry& entry : BoardThemes)
        EXPECT_TRUE(translated(entry.Caption)) << entry.Caption;
    for (const TPieceChoiceEntry& entry : PieceChoices)
        EXPECT_TRUE(translated(entry.Caption)) << entry.Caption;
}

// Without a translation the clocks keep the full English side names, also for hours of time.
using English = WindowTest;
TEST_F(English, ClocksKeepTheFullSideNames)
{
    form->SetTimeControl(TTimeControl { TTimeControl::MaxMinutes, 0 });
    EXPECT_EQ(form->Label1->text() + QStringLiteral(" | ") + form->Label2->text(), "White 10:00:00 | Black 10:00:00");
}
