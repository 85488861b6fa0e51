// One QApplication for all Qt tests, on the off-screen platform unless the
// caller chose another.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "qt/window_font.h"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Settings the editor keeps go to a test folder, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        // As the editor starts: the system's fonts are read when first needed.
        gs::qt::deferSystemFonts();
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override { delete app_; }

private:
    int argc_ = 1;
    char name_[8] = "test_qt";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
