// main() for test programs that build widgets: the application object must exist first.

#include "test_application.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Tests never need a display, also when the build lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
