// The diagram's options: size, coordinates, the mark of the side to move.

#include "app/diagram_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

TDiagramOptions DefaultDiagramOptions(TDiagramUse use)
{
    TDiagramOptions options;
    options.Size = use == TDiagramUse::Print ? 120 : 400;
    return options;
}

// Below the smallest the coordinates are no longer legible; the largest picture stays a few
// megabytes, and the largest print fills a landscape A3 page's width.
TDiagramSizeRange DiagramSizeRange(TDiagramUse use)
{
    return use == TDiagramUse::Print ? TDiagramSizeRange { 30, 400 } : TDiagramSizeRange { 100, 4000 };
}

TDiagramDialog::TDiagramDialog(TDiagramUse use, const TDiagramOptions& options, QWidget* parent)
    : QDialog(parent)
{
    switch (use) {
    case TDiagramUse::Copy: setWindowTitle(tr("Copy Diagram")); break;
    case TDiagramUse::Export: setWindowTitle(tr("Export Diagram")); break;
    case TDiagramUse::Print: setWindowTitle(tr("Print Diagram")); break;
    }

    const TDiagramSizeRange range = DiagramSizeRange(use);
    SizeBox = new QSpinBox(this);
    SizeBox->setRange(range.Smallest, range.Largest);
    SizeBox->setSuffix(use == TDiagramUse::Print ? tr(" mm") : tr(" pixels"));
    SizeBox->setValue(options.Size);
    CoordinatesBox = new QCheckBox(tr("&Coordinates"), this);
    CoordinatesBox->setChecked(options.Coordinates);
    MarkSideToMoveBox = new QCheckBox(tr("&Mark the side to move"), this);
    MarkSideToMoveBox->setChecked(options.MarkSideToMove);

    auto* form = new QFormLayout;
    form->addRow(tr("&Size:"), SizeBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CoordinatesBox);
    layout->addWidget(MarkSideToMoveBox);
    layout->addWidget(buttons);
    // Wide enough for the whole title.
    setMinimumWidth(280);
}

TDiagramOptions TDiagramDialog::Options() const
{
    return { SizeBox->value(), CoordinatesBox->isChecked(), MarkSideToMoveBox->isChecked() };
}
