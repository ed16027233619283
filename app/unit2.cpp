// The options dialog's frame: caption, fixed size, font.

#include "unit2.h"

#include "controls.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Options"));
    setFixedSize(242, 261);
    setFont(FormFont());
}
