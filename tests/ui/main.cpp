// Test entry of the GUI platform: runs headless on Qt's offscreen platform
// unless a platform is chosen explicitly.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "platform/ui/Application.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
