#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Widgets and fonts need an application object. The tests run on the offscreen platform, also
// when CTest lists their cases, unless a platform was chosen explicitly.
int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
