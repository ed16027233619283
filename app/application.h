#pragma once

// TZugwerkApplication: the program's application object. It carries the title that captions the
// program's message boxes, and it shows the exceptions that the program's entry points stop (see
// entry_point.h) in its error box: the exception's message, and the program goes on with the state
// the handler left. notify() catches whatever still escapes, as a last net.
//
// Its message boxes go through a TDialogs seam, the real dialogs unless a test puts its own in.
// Lives on the main thread, for the whole run of the program.

#include <QApplication>

#include <exception>
#include <memory>

class TDialogs;

class TZugwerkApplication : public QApplication {
    Q_OBJECT

public:
    TZugwerkApplication(int& argc, char** argv);
    ~TZugwerkApplication() override;

    // The running application object, or nullptr when the program runs another one.
    static TZugwerkApplication* Instance();

    // The title is the application name, which captions every message box of the program.
    static QString Title() { return applicationName(); }
    static void set_Title(const QString& title) { setApplicationName(title); }

    TDialogs& Dialogs() const { return *FDialogs; }
    // Replaces the dialogs the error box uses; nullptr brings back the real ones. Not owned.
    void set_Dialogs(TDialogs* dialogs);

    // The error box: the message, the title, an error icon and OK.
    void ShowException(const std::exception& e);
    // The text of the error box: "." is appended when the message ends in a character that sorts
    // after it (a letter or digit does, "!" or ")" does not).
    static QString ErrorBoxText(const QString& message);

    // The last net: an exception that no entry point of the program stopped.
    bool notify(QObject* receiver, QEvent* event) override;
    // How many exceptions reached notify(); the program's own entry points keep this at 0.
    int UnstoppedExceptions() const { return FUnstoppedExceptions; }

private:
    void ShowError(const QString& message);
    void ShowCaught(std::exception_ptr error);

    std::unique_ptr<TDialogs> FRealDialogs;
    TDialogs* FDialogs;
    int FUnstoppedExceptions = 0;
};
