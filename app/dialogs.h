#pragma once

// TDialogs: the modal dialogs the program shows, behind one small interface. The window and the
// application object call them only through it, so that tests answer every box without a modal
// loop. TQtDialogs shows the real ones.

#include <QMessageBox>
#include <QString>

class QWidget;

class TDialogs {
public:
    virtual ~TDialogs() = default;

    // Shows a modal message box over parent and returns the button that closed it.
    virtual QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& caption, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
        = 0;
};

class TQtDialogs : public TDialogs {
public:
    QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& caption, const QString& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override;
};
