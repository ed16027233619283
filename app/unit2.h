#pragma once

// TForm2: the options dialog. Every change takes effect on the main window's board at once; "&OK"
// and the close button only hide the dialog, which keeps its state. It exists, hidden, from program
// start to program end next to the main window it acts on, and is shown without being modal. Its
// colour dialog goes through the main window's dialogs seam. Main thread only.

#include "board/chesstypes.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class TGroupBox;
class QLabel;
class QPushButton;
class TCSpinEdit;
class TForm1;

class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(TForm1& form1, QWidget* parent = nullptr);

    // ---- Components ----
    TGroupBox* GroupBox1; // "Chessboard"
    QCheckBox* CheckBox1; // "Show Board Lines"
    QCheckBox* CheckBox3; // "White On Top"
    QLabel* Label1;
    QComboBox* ComboBox1; // the piece set
    QLabel* Label3;
    QPushButton* Button2; // white square colour
    QLabel* Label4;
    QPushButton* Button3; // black square colour
    TGroupBox* GroupBox2; // "Calculations"
    QLabel* Label2;
    TCSpinEdit* CSpinEdit1; // search depth
    QPushButton* Button1; // "&OK"
    // ColorDialog1 opens on the colour last chosen in it.
    TColor ColorDialog1Color = clBlack;

    // ---- Handlers ----
    void FormShow(QObject* Sender);
    void CheckBox1Click(QObject* Sender);
    void CheckBox3Click(QObject* Sender);
    void ComboBox1Change(QObject* Sender);
    void Button1Click(QObject* Sender);
    void Button2Click(QObject* Sender);
    void Button3Click(QObject* Sender);
    void CSpinEdit1Change(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void NameControls();
    // Runs ColorDialog1; true with the chosen colour in ColorDialog1Color when the user accepts one.
    bool ExecuteColorDialog();

    TForm1& Form1;
};
