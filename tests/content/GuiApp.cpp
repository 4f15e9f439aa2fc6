// One application object for the whole run: drawing text and loading fonts need it.

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

class GuiApplication : public ::testing::Environment {
  public:
    void SetUp() override { app_ = new QGuiApplication(argc_, argv_); }
    void TearDown() override { delete app_; }

  private:
    int argc_ = 1;
    char name_[16] = "content_tests";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
