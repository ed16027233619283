#pragma once

// TColorButton97: a flat toolbar button that shows a colour as a strip under a paint bucket and
// drops down a grid of colours. Picking a colour in the grid makes it the button's colour and then
// raises OnAfterAccept; set_Color changes the colour without raising it.
//
// TColorGrid is the drop-down: a popup window of colour swatches, five to a row, in the order of
// the button's colour list. Both live on the main thread; the grid is owned by its button.

#include "board/chesstypes.h"

#include <QFrame>
#include <QToolButton>

#include <functional>
#include <vector>

class TColorGrid : public QFrame {
    Q_OBJECT

public:
    static constexpr int Columns = 5;

    TColorGrid(const std::vector<TColor>& colors, QWidget* parent);

    QToolButton* Swatch(int index) const { return Swatches.at(static_cast<std::size_t>(index)); }
    int SwatchCount() const { return static_cast<int>(Swatches.size()); }
    // Swatch colours in grid order, row by row, read back from the swatches' pictures.
    TColor SwatchColor(int index) const;

    // Marks the swatch of the current colour, where the keyboard starts; the first if there is none.
    void MarkCurrent(TColor current);

    std::function<void(TColor)> OnPick;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<QToolButton*> Swatches;
    std::vector<TColor> Colors;
};

class TColorButton97 : public QToolButton {
    Q_OBJECT

public:
    explicit TColorButton97(QWidget* parent = nullptr);

    TColor Color() const { return FColor; }
    void set_Color(TColor color);

    // The 25 colours of the grid, row by row.
    static const std::vector<TColor>& StandardColors();
    static QString ColorName(TColor color);

    // Shows the grid under the button; it closes on a pick, on Escape or on a click elsewhere.
    void DropDown();
    TColorGrid* Grid() const { return FGrid; }

    std::function<void(QObject* Sender)> OnAfterAccept;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Accept(TColor color);

    TColor FColor = clBlack;
    TColorGrid* FGrid;
};
