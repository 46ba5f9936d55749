#include "ui/MsgBoxes.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Test main: a QApplication on the offscreen platform (unless the caller chose another), with
// the real message boxes as the program installs them.
int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ui::InstallMessageBoxes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
