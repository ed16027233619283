#pragma once

// The program's own entry points (the board's event handling, the window's actions and controls)
// stop every exception that a handler below them throws: letting one unwind through Qt's event
// dispatch is undefined behaviour. What they catch goes to one reporter, which the application sets
// to its error box; the program then goes on with the state the handler left.
//
// Main thread only.

#include <exception>
#include <functional>
#include <utility>

using TExceptionReporter = std::function<void(std::exception_ptr)>;

// Installs the reporter; an empty one brings back the default, which writes the message to the log.
void SetExceptionReporter(TExceptionReporter reporter);
void ReportException(std::exception_ptr error);

// Runs the call and reports what it throws instead of letting it escape.
template <typename Call> void CatchAtEntryPoint(Call&& call) noexcept
{
    try {
        std::forward<Call>(call)();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

// A method of a window bound as a control's or an action's handler, stopping what it throws.
template <typename Object, typename... Args> auto GuardedHandler(Object* object, void (Object::*method)(Args...))
{
    return [object, method](Args... args) { CatchAtEntryPoint([&] { (object->*method)(args...); }); };
}
