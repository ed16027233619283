#include "board/entry_point.h"

#include <QtGlobal>

namespace {

void LogException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        qWarning("Unhandled error: %s", e.what());
    } catch (...) {
        qWarning("Unhandled error of unknown kind");
    }
}

TExceptionReporter& Reporter()
{
    static TExceptionReporter reporter = LogException;
    return reporter;
}

} // namespace

void SetExceptionReporter(TExceptionReporter reporter) { Reporter() = reporter ? std::move(reporter) : LogException; }

void ReportException(std::exception_ptr error)
{
    // A reporter that fails itself must not bring the failure back into Qt's dispatch.
    try {
        Reporter()(error);
    } catch (...) {
        LogException(error);
    }
}
