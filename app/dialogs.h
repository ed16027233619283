#pragma once

// TDialogs: the modal dialogs the program shows, behind one small interface. The windows and the
// application object call them only through it, so that tests answer every box without a modal
// loop. TQtDialogs shows the real ones.

#include "board/chesstypes.h"

#include <QList>
#include <QMessageBox>
#include <QString>

class QPrinter;
class TNewGameDialog;
enum class TDiagramUse;
struct TDiagramOptions;
class QWidget;

// What a file dialog shows. A file name typed without an extension gets DefaultExt (without the
// dot) appended; an empty DefaultExt leaves the name as typed.
struct TFileDialogOptions {
    QString Title;
    QString Filter; // "Description (*.ext)"
    QString DefaultExt;
    // When set, receives the filter the user chose (one of Filter's, which are parted by ";;").
    QString* SelectedFilter = nullptr;
};

// One line of the list of games that a PGN file holds.
struct TGameListEntry {
    QString White;
    QString Black;
    QString Result;
    QString Date;
    int Moves = 0; // full moves, a half-move started counting as one
    QString Damage; // why the game cannot be imported (game, line, column, what failed); empty when it can
};

class TDialogs {
public:
    virtual ~TDialogs() = default;

    // Shows a modal message box over parent and returns the button that closed it.
    virtual QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& caption, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
        = 0;

    // The chosen file name as the user typed it, or an empty string when the dialog was cancelled.
    // Neither asks before an existing file is replaced, and Open accepts a name that does not exist.
    virtual QString SaveFileName(QWidget* parent, const TFileDialogOptions& options) = 0;
    virtual QString OpenFileName(QWidget* parent, const TFileDialogOptions& options) = 0;

    // The print and printer-setup dialogs change printer's settings; false when cancelled.
    virtual bool Print(QWidget* parent, QPrinter& printer) = 0;
    virtual bool PrinterSetup(QWidget* parent, QPrinter& printer) = 0;

    // The colour dialog opens on color and, when the user accepts, writes the choice into it.
    virtual bool ChooseColor(QWidget* parent, TColor& color) = 0;

    // Lets the user pick one of several games; its index, or -1 when the list was cancelled.
    virtual int ChooseGame(QWidget* parent, const QList<TGameListEntry>& games) = 0;

    // Runs the New Game dialog, filled in by the window; false when it was cancelled.
    virtual bool ChooseNewGame(QWidget* parent, TNewGameDialog& dialog) = 0;

    // The options of a diagram, shown on `options` and written back when accepted; false when cancelled.
    virtual bool ChooseDiagramOptions(QWidget* parent, TDiagramUse use, TDiagramOptions& options) = 0;
};

class TQtDialogs : public TDialogs {
public:
    QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& caption, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override;
    QString SaveFileName(QWidget* parent, const TFileDialogOptions& options) override;
    QString OpenFileName(QWidget* parent, const TFileDialogOptions& options) override;
    bool Print(QWidget* parent, QPrinter& printer) override;
    bool PrinterSetup(QWidget* parent, QPrinter& printer) override;
    bool ChooseColor(QWidget* parent, TColor& color) override;
    int ChooseGame(QWidget* parent, const QList<TGameListEntry>& games) override;
    bool ChooseNewGame(QWidget* parent, TNewGameDialog& dialog) override;
    bool ChooseDiagramOptions(QWidget* parent, TDiagramUse use, TDiagramOptions& options) override;
};

// The name with the default extension appended when the name has no extension of its own.
QString WithDefaultExtension(const QString& fileName, const QString& defaultExt);
