#pragma once

// ScopeExit: runs a function when the scope it was made in is left, by return or by exception.
// For code without Qt; the board's code uses qScopeGuard.

#include <utility>

template <typename Function> class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Function function)
        : FFunction(std::move(function))
    {
    }
    ~ScopeExit() { FFunction(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Function FFunction;
};
