#include <QCoreApplication>

#include <gtest/gtest.h>

// Test main of the cores: a QCoreApplication and no display, so a rule that reaches for a
// widget fails to link or fails here. Boxes go to whoever the test installs (ScriptedMessages),
// else to the console.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
