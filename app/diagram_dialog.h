#pragma once

// TDiagramDialog: the small dialog before a diagram is copied, exported or printed. It asks for the
// size (pixels for a picture, millimetres on paper), whether the coordinates are shown and whether
// the side to move is marked. The window keeps the last choices for the rest of the run and opens the
// dialog on them; it shows it through TDialogs::ChooseDiagramOptions.

#include <QDialog>

class QCheckBox;
class QSpinBox;

// What the diagram is made for: a picture sized in pixels, or a printout sized in millimetres.
enum class TDiagramUse { Copy, Export, Print };

struct TDiagramOptions {
    int Size = 400; // the diagram's width: pixels, or millimetres for Print
    bool Coordinates = true;
    bool MarkSideToMove = false;

    bool operator==(const TDiagramOptions&) const = default;
};

// The choices a player starts with: 400 pixels, or 120 mm on paper.
TDiagramOptions DefaultDiagramOptions(TDiagramUse use);

// The sizes the dialog offers for a use, smallest and largest.
struct TDiagramSizeRange {
    int Smallest;
    int Largest;
};
TDiagramSizeRange DiagramSizeRange(TDiagramUse use);

class TDiagramDialog : public QDialog {
    Q_OBJECT

public:
    TDiagramDialog(TDiagramUse use, const TDiagramOptions& options, QWidget* parent = nullptr);

    TDiagramOptions Options() const;

    QSpinBox* SizeBox;
    QCheckBox* CoordinatesBox;
    QCheckBox* MarkSideToMoveBox;
};
