// The numeric spin edit of the options dialog.

#include "app/cspinedit.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <limits>

TCSpinEdit::TCSpinEdit(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    set_Value(MinValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
}

QString TCSpinEdit::Text() const { return lineEdit()->text(); }

void TCSpinEdit::set_Text(const QString& text) { lineEdit()->setText(text); }

void TCSpinEdit::set_Value(int value) { set_Text(QString::number(value)); }

int TCSpinEdit::Value()
{
    bool ok = false;
    const int value = Text().toInt(&ok);
    if (ok)
        return value;
    set_Value(MinValue);
    return MinValue;
}

void TCSpinEdit::stepBy(int steps)
{
    const long long next = static_cast<long long>(Value()) + steps;
    set_Value(static_cast<int>(
        std::clamp<long long>(next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    selectAll();
}

// Typing is limited to what may become a whole number; the partial "" and "-" are let through.
QValidator::State TCSpinEdit::validate(QString& input, int&) const
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]*$"));
    return number.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}
