// The real dialogs of the platform.

#include "dialogs.h"

QMessageBox::StandardButton TQtDialogs::MessageBox(QWidget* parent, const QString& caption, const QString& text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
