// GoogleTest entry for tests that need a QApplication (offscreen in CI).
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "application.h"

int main(int argc, char* argv[]) {
    // Offscreen unless told otherwise, so that a plain ctest needs no display,
    // listing the tests included.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of their own, never the user's.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    velmora::ConfigureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    // Each test's windows open as designed, not where another test left one.
    struct ForgetPlacement : ::testing::EmptyTestEventListener {
        void OnTestStart(const ::testing::TestInfo&) override {
            QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).clear();
        }
    };
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetPlacement);
    return RUN_ALL_TESTS();
}
