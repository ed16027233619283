// main() for test programs that build widgets: the program's application object must exist first,
// titled as the program titles it, with its boxes answered by the test dialogs.

#include "tests/test_application.h"

#include <gtest/gtest.h>

TScriptedDialogs& TestDialogs()
{
    static TScriptedDialogs dialogs;
    return dialogs;
}

int main(int argc, char* argv[])
{
    // Tests never need a display, also when the build lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TZugwerkApplication app(argc, argv);
    TZugwerkApplication::set_Title(QStringLiteral("Zugwerk!"));
    app.set_Dialogs(&TestDialogs());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
