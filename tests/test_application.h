#pragma once

// The application object of the widget tests. Like the program's own, it catches an exception that
// escapes an event handler and goes on; the tests read what it caught.

#include <QApplication>

#include <exception>
#include <string>
#include <vector>

class TestApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            EscapedExceptions.emplace_back(e.what());
            return false;
        }
    }

    static inline std::vector<std::string> EscapedExceptions;
};
