#include <QApplication>
#include <gtest/gtest.h>

// Widgets and fonts need an application object; CTest selects the offscreen platform.
int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
