// The preference sets and their settings file.

#include "app/preferences.h"

#include "app/text_files.h"
#include "board/chessbrd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

TPreferences TPreferences::Modern()
{
    TPreferences modern;
    for (const TPreferenceEntry& entry : PreferenceEntries)
        modern.*entry.Field = true;
    modern.Sounds = false;
    modern.ComputerPause = ModernComputerPause;
    modern.Theme = ModernBoardTheme;
    modern.Pieces = ModernPieces;
    return modern;
}

void ApplyPreferences(const TPreferences& preferences, TChessBoard& board)
{
    board.set_MarkMoves(preferences.MarkMoves);
    board.set_ClickToMove(preferences.ClickToMove);
    board.set_ShowLegalTargets(preferences.ShowLegalTargets);
    board.set_CastleOntoRook(preferences.CastleOntoRook);
    board.set_ChoosePromotion(preferences.ChoosePromotion);
    board.set_MoreDrawRules(preferences.MoreDrawRules);
    board.set_ComputerPause(preferences.ComputerPause);
    // Painting the pieces anew only when they change keeps an unrelated preference from redrawing them.
    const std::optional<PieceDesign> pieces = VectorPiecesOf(preferences.Pieces, preferences.BoardFillsWindow);
    if (board.VectorPieces() != pieces)
        board.set_VectorPieces(pieces);
}

QString TPreferencesStore::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/zugwerk/preferences.ini");
}

bool TPreferencesStore::Exists() const { return QFileInfo(FFileName).isFile(); }

TPreferences TPreferencesStore::Load() const
{
    TPreferences preferences;
    if (!Exists())
        return preferences;
    const QSettings settings(FFileName, QSettings::IniFormat);
    for (const TPreferenceEntry& entry : PreferenceEntries) {
        const QString value = settings.value(QLatin1String(entry.Key)).toString();
        if (value == "true" || value == "false")
            preferences.*entry.Field = value == "true";
    }
    bool isNumber = false;
    const int pause = settings.value(QLatin1String(ComputerPauseKey)).toString().toInt(&isNumber);
    if (isNumber && std::find(ComputerPauses.begin(), ComputerPauses.end(), pause) != ComputerPauses.end())
        preferences.ComputerPause = pause;
    preferences.Theme
        = BoardThemeNamed(settings.value(QLatin1String(BoardThemeKey)).toString()).value_or(preferences.Theme);
    preferences.Pieces
        = PieceChoiceNamed(settings.value(QLatin1String(PiecesKey)).toString()).value_or(preferences.Pieces);
    return preferences;
}

void TPreferencesStore::Save(const TPreferences& preferences) const
{
    if (!QDir().mkpath(QFileInfo(FFileName).absolutePath()))
        throw TFileError(QCoreApplication::translate("TextFiles", "Cannot create file %1").arg(FFileName));
    QSettings settings(FFileName, QSettings::IniFormat);
    for (const TPreferenceEntry& entry : PreferenceEntries)
        settings.setValue(QLatin1String(entry.Key), preferences.*entry.Field);
    settings.setValue(QLatin1String(ComputerPauseKey), preferences.ComputerPause);
    settings.setValue(QLatin1String(BoardThemeKey), QLatin1String(BoardThemeEntry(preferences.Theme).Name));
    settings.setValue(QLatin1String(PiecesKey), QLatin1String(PieceChoiceEntry(preferences.Pieces).Name));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw TFileError(QCoreApplication::translate("TextFiles", "Cannot create file %1").arg(FFileName));
}

void TPreferencesStore::SaveGroup(const QString& group, const std::function<void(QSettings&)>& write) const
{
    if (!QDir().mkpath(QFileInfo(FFileName).absolutePath()))
        throw TFileError(QCoreApplication::translate("TextFiles", "Cannot create file %1").arg(FFileName));
    QSettings settings(FFileName, QSettings::IniFormat);
    settings.remove(group);
    write(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw TFileError(QCoreApplication::translate("TextFiles", "Cannot create file %1").arg(FFileName));
}

void TPreferencesStore::Forget() const
{
    if (Exists() && !QFile::remove(FFileName))
        throw TFileError(QCoreApplication::translate("TextFiles", "Cannot delete file %1").arg(FFileName));
}
