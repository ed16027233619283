#pragma once

// CanvasScope: the painter of one of the board's drawing routines.

#include <QImage>
#include <QPainter>

#include <optional>

// The painter of one drawing routine: the one a running Paint holds open, or one of its own on the
// canvas; false when there is no canvas or the board holds its painting back. A routine that clips saves the device
// state (clip included) and copies its fills plainly; the state is restored when the routine ends.
class CanvasScope {
public:
    enum Kind { Drawing, Clipping };
    CanvasScope(QPainter* shared, QImage& canvas, Kind kind, bool held)
    {
        if (held)
            return;
        if (shared) {
            FPainter = shared;
        } else if (!canvas.isNull()) {
            FOwn.emplace(&canvas);
            FPainter = &*FOwn;
        }
        if (FPainter && kind == Clipping) {
            FPainter->save();
            FPainter->setCompositionMode(QPainter::CompositionMode_Source);
            FRestore = true;
        }
    }
    ~CanvasScope()
    {
        if (FRestore)
            FPainter->restore();
    }
    CanvasScope(const CanvasScope&) = delete;
    CanvasScope& operator=(const CanvasScope&) = delete;
    explicit operator bool() const { return FPainter != nullptr; }
    QPainter& operator*() const { return *FPainter; }
    QPainter* operator->() const { return FPainter; }

private:
    std::optional<QPainter> FOwn;
    QPainter* FPainter = nullptr;
    bool FRestore = false;
};
