// Zugwerk! program start: one window holding the board.

#include "chessbrd.h"

#include <QApplication>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zugwerk!"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Zugwerk! 2.0"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new TChessBoard(&window));
    window.show();
    return app.exec();
}
