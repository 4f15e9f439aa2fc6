// One application object for the board tests, made before the first test runs.

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override { app_ = new QApplication(argc_, argv_); }
    void TearDown() override { delete app_; }

  private:
    int argc_ = 1;
    char name_[16] = "board_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
