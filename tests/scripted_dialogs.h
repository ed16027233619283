#pragma once

// Dialogs for tests: every message box is recorded and answered at once, without a modal loop.
// OnBox runs while the box would be open, so a test can look at the window then, or throw.

#include "dialogs.h"

#include <functional>
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

    // Answers with the first of the offered buttons, as a user pressing Enter on OK would.
    QMessageBox::StandardButton MessageBox(QWidget*, const QString& caption, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override
    {
        Boxes.push_back({ caption, text, icon, buttons });
        if (OnBox)
            OnBox(Boxes.back());
        for (unsigned bit = 1; bit != 0; bit <<= 1)
            if (buttons & bit)
                return static_cast<QMessageBox::StandardButton>(bit);
        return QMessageBox::NoButton;
    }

    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const ShownBox& box : Boxes)
            texts.push_back(box.text);
        return texts;
    }

    void Clear()
    {
        Boxes.clear();
        OnBox = nullptr;
    }
};
