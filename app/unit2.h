#pragma once

// TForm2: the options dialog. It exists, hidden, from program start to program end and is shown
// without being modal; its controls come with the options themselves.

#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
