#include <QCoreApplication>

#include <gtest/gtest.h>

// The core's test main: Qt Core only, so a rule that needed a widget could not even link.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
