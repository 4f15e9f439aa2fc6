// One application object for a test program with windows, made before the first test runs. The
// settings store (the tip of the day's values) goes to a scratch folder of this process, never
// the user's, nor that of a test running beside it.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(settings_.isValid());
        setenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit().constData(), 1);
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override { delete app_; }

  private:
    QTemporaryDir settings_;
    int argc_ = 1;
    char name_[16] = "zarle_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
