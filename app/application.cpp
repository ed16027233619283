// The application object: its error box for exceptions that escape a handler.

#include "app/application.h"

#include "app/dialogs.h"
#include "board/entry_point.h"

TZugwerkApplication::TZugwerkApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , FRealDialogs(std::make_unique<TQtDialogs>())
    , FDialogs(FRealDialogs.get())
{
    SetExceptionReporter([this](std::exception_ptr error) { ShowCaught(error); });
}

TZugwerkApplication::~TZugwerkApplication() { SetExceptionReporter(nullptr); }

TZugwerkApplication* TZugwerkApplication::Instance() { return qobject_cast<TZugwerkApplication*>(instance()); }

void TZugwerkApplication::set_Dialogs(TDialogs* dialogs) { FDialogs = dialogs ? dialogs : FRealDialogs.get(); }

QString TZugwerkApplication::ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TZugwerkApplication::ShowError(const QString& message)
{
    FDialogs->MessageBox(activeWindow(), Title(), ErrorBoxText(message), QMessageBox::Critical, QMessageBox::Ok);
}

void TZugwerkApplication::ShowException(const std::exception& e) { ShowError(QString::fromLocal8Bit(e.what())); }

void TZugwerkApplication::ShowCaught(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        // Anything else would end the program and lose the game in play.
        ShowError(tr("An unexpected error occurred"));
    }
}

bool TZugwerkApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++FUnstoppedExceptions;
        ShowCaught(std::current_exception());
    }
    return false;
}
