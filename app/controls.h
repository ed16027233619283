#pragma once

// The forms' font, and two standard controls in the shape the main window uses them: each reports a
// change the user makes through an OnClick handler with the sender first, and nothing when code
// changes it. Main thread only; owned by their parent widget.

#include <QListWidget>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QRadioButton;

// The font of the program's forms: the small sans-serif, 11 pixels high, they were laid out for, in a
// font of close metrics.
QFont FormFont();

// Draws a group's etched frame with the caption in its top line.
void PaintGroupFrame(QWidget& group, const QString& caption);

// A captioned frame around controls placed inside it.
class TGroupBox : public QWidget {
    Q_OBJECT

public:
    explicit TGroupBox(const QString& caption, QWidget* parent = nullptr);
    const QString& Caption() const { return FCaption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FCaption;
};

// A captioned group of radio buttons, one of which is selected. The caption sits in the frame's top
// line, so that the buttons keep the room the group's height leaves them.
class TRadioGroup : public QWidget {
    Q_OBJECT

public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    const QString& Caption() const { return FCaption; }
    int ItemIndex() const { return FItemIndex; }
    // Selects an item without raising OnClick.
    void set_ItemIndex(int index);
    QRadioButton* Button(int index) const;

    // The user selected another item, by mouse or keyboard.
    std::function<void(QObject* Sender)> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FCaption;
    QButtonGroup* Buttons;
    int FItemIndex = 0;
    bool SettingByCode = false;
};

// A list of text lines with single selection. OnClick follows the user: a mouse press on a line,
// and a change of the selected line by mouse or keyboard; refilling the list raises nothing.
class TListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TListBox(QWidget* parent = nullptr);

    // Replaces every line; afterwards no line is selected and the first lines show.
    void SetLines(const QStringList& lines);
    int LineHeight() const { return FLineHeight; }
    void set_LineHeight(int pixels) { FLineHeight = pixels; }

    std::function<void(QObject* Sender)> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Click();
    template <typename Handle> void UserInput(Handle handle);

    int FLineHeight = 13;
    bool HandlingUserInput = false;
};
