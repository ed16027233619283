#pragma once

// THandlerCalls: the board's event handlers as one move calls them. A handler that throws does not
// leave the move half made: the move goes on to its end without calling further handlers, and the
// first exception then reaches the caller of the move.

#include <QObject>

#include <exception>

class THandlerCalls {
public:
    explicit THandlerCalls(QObject* sender)
        : Sender(sender)
    {
    }
    THandlerCalls(const THandlerCalls&) = delete;
    THandlerCalls& operator=(const THandlerCalls&) = delete;

    // Calls the handler, when it is set and no handler has thrown yet, with the sender first.
    template <typename Handler, typename... Args> void Raise(const Handler& handler, Args&&... args)
    {
        if (!handler || FirstError)
            return;
        try {
            handler(Sender, args...);
        } catch (...) {
            FirstError = std::current_exception();
        }
    }

    // Once the move is complete: throws what the first failing handler threw, if any did.
    void RethrowFirstError() const
    {
        if (FirstError)
            std::rethrow_exception(FirstError);
    }

private:
    QObject* const Sender;
    std::exception_ptr FirstError;
};
