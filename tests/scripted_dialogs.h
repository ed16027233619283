#pragma once

// Dialogs for tests: every message box is recorded and answered at once, without a modal loop.
// OnBox runs while the box would be open, so a test can look at the window then, or throw.
// File, print, colour and game-list dialogs take the answers the test queued and are cancelled when none is
// left; each one shown is recorded with its options.

#include "app/diagram_dialog.h"
#include "app/dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class TScriptedDialogs : public TDialogs {
public:
    std::vector<ShownBox> Boxes;
    std::function<void(const ShownBox&)> OnBox;
    // The buttons the next boxes are answered with, in order; an answer the box does not offer
    // stands for the first offered button.
    std::deque<QMessageBox::StandardButton> Answers;

    // Answers with the first of the offered buttons, as a user pressing Enter on OK would.
    QMessageBox::StandardButton MessageBox(QWidget*, const QString& caption, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override
    {
        Boxes.push_back({ caption, text, icon, buttons });
        if (OnBox)
            OnBox(Boxes.back());
        if (const std::optional<QMessageBox::StandardButton> answer = Next(Answers); answer && (buttons & *answer))
            return *answer;
        for (unsigned bit = 1; bit != 0; bit <<= 1)
            if (buttons & bit)
                return static_cast<QMessageBox::StandardButton>(bit);
        return QMessageBox::NoButton;
    }

    std::deque<QString> FileNames; // an empty name cancels
    std::vector<TFileDialogOptions> FileDialogs;
    // The filters chosen in the next file dialogs that ask for one; the first one offered when none is left.
    std::deque<QString> SelectedFilters;
    std::deque<bool> PrintAnswers;
    int PrintDialogsShown = 0;
    int PrinterSetupsShown = 0;
    std::deque<std::optional<TColor>> Colors; // nullopt cancels
    std::vector<TColor> ColorDialogOpenedOn;

    QString SaveFileName(QWidget*, const TFileDialogOptions& options) override { return NextFileName(options); }
    QString OpenFileName(QWidget*, const TFileDialogOptions& options) override { return NextFileName(options); }
    bool Print(QWidget*, QPrinter&) override
    {
        ++PrintDialogsShown;
        return Next(PrintAnswers).value_or(false);
    }
    bool PrinterSetup(QWidget*, QPrinter&) override
    {
        ++PrinterSetupsShown;
        return Next(PrintAnswers).value_or(false);
    }
    bool ChooseColor(QWidget*, TColor& color) override
    {
        ColorDialogOpenedOn.push_back(color);
        const std::optional<TColor> answer = Next(Colors).value_or(std::nullopt);
        if (answer)
            color = *answer;
        return answer.has_value();
    }

    std::deque<int> GameChoices; // -1 cancels; cancelled when none is left
    std::vector<QList<TGameListEntry>> GameLists;
    int ChooseGame(QWidget*, const QList<TGameListEntry>& games) override
    {
        GameLists.push_back(games);
        return Next(GameChoices).value_or(-1);
    }

    // Fills in the New Game dialog as a player would and says whether it was accepted; cancelled
    // while unset.
    std::function<bool(TNewGameDialog&)> OnNewGame;
    int NewGameDialogsShown = 0;
    bool ChooseNewGame(QWidget*, TNewGameDialog& dialog) override
    {
        ++NewGameDialogsShown;
        return OnNewGame && OnNewGame(dialog);
    }

    // The options the next diagram dialogs are accepted with; nullopt cancels, as does an empty queue.
    // Each dialog shown is recorded with what it opened on.
    std::deque<std::optional<TDiagramOptions>> DiagramAnswers;
    std::vector<std::pair<TDiagramUse, TDiagramOptions>> DiagramDialogs;
    bool ChooseDiagramOptions(QWidget*, TDiagramUse use, TDiagramOptions& options) override
    {
        DiagramDialogs.emplace_back(use, options);
        const std::optional<TDiagramOptions> answer = Next(DiagramAnswers).value_or(std::nullopt);
        if (answer)
            options = *answer;
        return answer.has_value();
    }

    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const ShownBox& box : Boxes)
            texts.push_back(box.text);
        return texts;
    }

    void Clear() { *this = TScriptedDialogs(); }

private:
    template <typename T> static std::optional<T> Next(std::deque<T>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString NextFileName(const TFileDialogOptions& options)
    {
        FileDialogs.push_back(options);
        if (options.SelectedFilter)
            *options.SelectedFilter
                = Next(SelectedFilters).value_or(options.Filter.section(QStringLiteral(";;"), 0, 0));
        return Next(FileNames).value_or(QString());
    }
};
