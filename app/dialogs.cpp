// The real dialogs of the platform.

#include "app/dialogs.h"

#include "app/diagram_dialog.h"
#include "app/game_list_dialog.h"
#include "app/new_game_dialog.h"
#include "app/toolbar_pictures.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

QMessageBox::StandardButton TQtDialogs::MessageBox(QWidget* parent, const QString& caption, const QString& text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

namespace {

QString RunFileDialog(QWidget* parent, const TFileDialogOptions& options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.Title, QString(), options.Filter);
    dialog.setAcceptMode(mode);
    // Open takes any name, also one that does not exist yet; Save replaces a file without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (options.SelectedFilter)
        *options.SelectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString TQtDialogs::SaveFileName(QWidget* parent, const TFileDialogOptions& options)
{
    return RunFileDialog(parent, options, QFileDialog::AcceptSave);
}

QString TQtDialogs::OpenFileName(QWidget* parent, const TFileDialogOptions& options)
{
    return RunFileDialog(parent, options, QFileDialog::AcceptOpen);
}

bool TQtDialogs::Print(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool TQtDialogs::PrinterSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool TQtDialogs::ChooseColor(QWidget* parent, TColor& color)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = ToTColor(chosen);
    return true;
}

int TQtDialogs::ChooseGame(QWidget* parent, const QList<TGameListEntry>& games)
{
    TGameListDialog dialog(games, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenGame() : -1;
}

bool TQtDialogs::ChooseNewGame(QWidget*, TNewGameDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

bool TQtDialogs::ChooseDiagramOptions(QWidget* parent, TDiagramUse use, TDiagramOptions& options)
{
    TDiagramDialog dialog(use, options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}

QString WithDefaultExtension(const QString& fileName, const QString& defaultExt)
{
    if (defaultExt.isEmpty() || fileName.isEmpty() || QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        return fileName;
    return fileName + QLatin1Char('.') + defaultExt;
}
