// The options dialog: its controls at their places and what each change does to the board.

#include "app/unit2.h"

#include "app/accessible_names.h"
#include "app/colorbutton97.h"
#include "app/controls.h"
#include "app/cspinedit.h"
#include "app/dialogs.h"
#include "app/unit1.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"
#include "engine/engine_types.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

template <typename Widget> Widget* Place(Widget* widget, int left, int top, int width = -1, int height = -1)
{
    widget->move(left, top);
    const QSize hint = widget->sizeHint();
    widget->resize(width < 0 ? hint.width() : width, height < 0 ? hint.height() : height);
    return widget;
}

} // namespace

TForm2::TForm2(TForm1& form1, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint)
    , Form1(form1)
{
    setWindowTitle(tr("Options"));
    setFixedSize(242, 261);
    setFont(FormFont());

    GroupBox1 = Place(new TGroupBox(tr("Chessboard"), this), 8, 8, 225, 161);
    CheckBox1 = Place(new QCheckBox(tr("Show Board Lines"), GroupBox1), 24, 24, 137, 17);
    CheckBox3 = Place(new QCheckBox(tr("White On Top"), GroupBox1), 24, 40, 97, 17);
    Label1 = Place(new QLabel(tr("Piece Set:"), GroupBox1), 24, 64);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->addItems({ QStringLiteral("Set40"), QStringLiteral("SetZgw32"), QStringLiteral("SetCm36") });
    ComboBox1->setCurrentIndex(-1);
    Place(ComboBox1, 24, 80, 145);
    Label3 = Place(new QLabel(tr("White Square Color"), GroupBox1), 24, 112);
    Button2 = Place(new QPushButton(QStringLiteral("..."), GroupBox1), 136, 112, 33, 17);
    Label4 = Place(new QLabel(tr("Black Square Color"), GroupBox1), 24, 128);
    Button3 = Place(new QPushButton(QStringLiteral("..."), GroupBox1), 136, 128, 33, 17);

    GroupBox2 = Place(new TGroupBox(tr("Calculations"), this), 8, 176, 225, 49);
    Label2 = Place(new QLabel(tr("Search Depth:"), GroupBox2), 24, 24);
    CSpinEdit1 = Place(new TCSpinEdit(GroupBox2), 120, 16, 49, 22);
    CSpinEdit1->set_Value(engine::DefaultSearchDepth);

    Button1 = Place(new QPushButton(tr("&OK"), this), 80, 232, 75, 25);
    Button1->setDefault(true);
    NameControls();

    // The check boxes follow every change of their state, also one made by FormShow.
    const auto bind = [this](auto* control, auto signal, void (TForm2::*handler)(QObject*)) {
        connect(control, signal, this, [control, guarded = GuardedHandler(this, handler)] { guarded(control); });
    };
    bind(CheckBox1, &QCheckBox::toggled, &TForm2::CheckBox1Click);
    bind(CheckBox3, &QCheckBox::toggled, &TForm2::CheckBox3Click);
    bind(ComboBox1, &QComboBox::activated, &TForm2::ComboBox1Change);
    bind(Button1, &QPushButton::clicked, &TForm2::Button1Click);
    bind(Button2, &QPushButton::clicked, &TForm2::Button2Click);
    bind(Button3, &QPushButton::clicked, &TForm2::Button3Click);
    CSpinEdit1->OnChange = GuardedHandler(this, &TForm2::CSpinEdit1Change);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// Only going from hidden to shown runs FormShow; raising an open dialog does not.
void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CatchAtEntryPoint([this] { FormShow(this); });
}

void TForm2::FormShow(QObject*) { CheckBox3->setChecked(Form1.ChessBrd1->WhiteOnTop()); }

void TForm2::CheckBox1Click(QObject*) { Form1.ChessBrd1->set_BoardLines(CheckBox1->isChecked()); }

// A plain swap of the two player groups' heights at every change, wherever they stand.
void TForm2::CheckBox3Click(QObject*)
{
    Form1.ChessBrd1->set_WhiteOnTop(CheckBox3->isChecked());
    const int top1 = Form1.RadioGroup1->y();
    Form1.RadioGroup1->move(Form1.RadioGroup1->x(), Form1.RadioGroup2->y());
    Form1.RadioGroup2->move(Form1.RadioGroup2->x(), top1);
}

void TForm2::ComboBox1Change(QObject*)
{
    switch (ComboBox1->currentIndex()) {
    case 0:
        Form1.ChessBrd1->set_CustomPieceSet(QImage()); // the built-in set of StandardSize
        break;
    case 1: Form1.ChessBrd1->set_CustomPieceSet(Form1.SetChr32); break;
    case 2: Form1.ChessBrd1->set_CustomPieceSet(Form1.ImageCm36); break;
    default: break;
    }
}

void TForm2::Button1Click(QObject*) { close(); }

bool TForm2::ExecuteColorDialog() { return Form1.Dialogs().ChooseColor(this, ColorDialog1Color); }

// The toolbar's colour buttons are set without their after-accept notification.
void TForm2::Button2Click(QObject*)
{
    if (!ExecuteColorDialog())
        return;
    Form1.ChessBrd1->set_SquareColorLight(ColorDialog1Color);
    Form1.ColorButton972->set_Color(ColorDialog1Color);
}

void TForm2::Button3Click(QObject*)
{
    if (!ExecuteColorDialog())
        return;
    Form1.ChessBrd1->set_SquareColorDark(ColorDialog1Color);
    Form1.ColorButton971->set_Color(ColorDialog1Color);
}

// The board keeps the depth within its own limits; the box keeps showing what was typed.
void TForm2::CSpinEdit1Change(QObject*) { Form1.ChessBrd1->set_SearchDepth(CSpinEdit1->Value()); }

// What a screen reader reads for each control: the colour buttons show only "...", so each takes
// the name of the label beside it, which also says which control it stands for.
void TForm2::NameControls()
{
    const std::pair<QLabel*, QWidget*> labelled[]
        = { { Label1, ComboBox1 }, { Label3, Button2 }, { Label4, Button3 }, { Label2, CSpinEdit1 } };
    for (const auto& [label, control] : labelled) {
        label->setBuddy(control);
        label->setAccessibleName(label->text());
        control->setAccessibleName(QString(label->text()).remove(QLatin1Char(':')));
    }
    GroupBox1->setAccessibleName(GroupBox1->Caption());
    GroupBox2->setAccessibleName(GroupBox2->Caption());
    for (QAbstractButton* button : { static_cast<QAbstractButton*>(CheckBox1), static_cast<QAbstractButton*>(CheckBox3),
             static_cast<QAbstractButton*>(Button1) })
        NameAfterCaption(*button, button->text());
}
