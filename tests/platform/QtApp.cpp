// One application object for every platform test, made before the first test runs.

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        // Settings written by the tests go to a scratch folder, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override { delete app_; }

  private:
    int argc_ = 1;
    char name_[16] = "platform_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
