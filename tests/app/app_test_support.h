#pragma once

// Helpers for the main-window tests: a shown TForm1 whose clocks read a clock the test turns, whose
// boxes are answered by the test dialogs, and ways to deliver input as the window system would.

#include "app/controls.h"
#include "app/qvchrono.h"
#include "app/unit1.h"
#include "board/chessbrd.h"
#include "tests/board/board_test_support.h"
#include "tests/test_application.h"

#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Local date and time that only move when the test says so.
struct FakeClock {
    QDateTime now { QDate(2024, 3, 1), QTime(12, 0) };
    void Advance(double seconds) { now = now.addMSecs(static_cast<qint64>(seconds * 1000)); }
    TQVChronometre::TClock Reader()
    {
        return [this] { return now; };
    }
};

// Runs the event loop until the condition holds; false after the timeout.
template <typename Condition> bool WaitFor(Condition condition, int timeoutMs = 60000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// Delivers one event to the board, as any message from the window system would.
inline void Nudge(QWidget& widget)
{
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&widget, &event);
}

// A click on the button's round indicator, which is always part of what the button takes clicks on.
inline void ClickRadio(TRadioGroup& group, int item)
{
    QRadioButton* button = group.Button(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

class WindowTest : public testing::Test {
protected:
    FakeClock clock;
    std::unique_ptr<TForm1> form;
    TScriptedDialogs& dialogs = TestDialogs();

    void SetUp() override
    {
        dialogs.Clear();
        form = std::make_unique<TForm1>(dialogs);
        form->Chr1->set_Clock(clock.Reader());
        form->Chr2->set_Clock(clock.Reader());
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        dialogs.Clear();
    }
    TChessBoard& Board() { return *form->ChessBrd1; }
    QStringList ListLines() const
    {
        QStringList lines;
        for (int i = 0; i < form->ListBox1->count(); ++i)
            lines.append(form->ListBox1->item(i)->text());
        return lines;
    }
    void ClickListLine(int row)
    {
        TListBox& list = *form->ListBox1;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }
};
