// GoogleTest entry for tests that need a QApplication (offscreen in CI).
#include <gtest/gtest.h>

#include <QApplication>

#include "velmora_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ConfigureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
