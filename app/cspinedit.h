#pragma once

// TCSpinEdit: an edit field with up and down arrows for a whole number. It sets no limits of its
// own; the user may type digits and a leading minus. Every change of the text raises OnChange.
// Value() converts the text; text that is not a whole number (an empty field, "-") is replaced by
// the minimum, 0, which raises OnChange once more. Lives on the main thread.

#include <QAbstractSpinBox>

#include <functional>

class TCSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    static constexpr int MinValue = 0;

    explicit TCSpinEdit(QWidget* parent = nullptr);

    int Value();
    void set_Value(int value);
    QString Text() const;
    void set_Text(const QString& text);

    std::function<void(QObject* Sender)> OnChange;

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};
