// One application object for the session tests: sockets need an event loop.

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override { app_ = new QCoreApplication(argc_, argv_); }
    void TearDown() override { delete app_; }

  private:
    int argc_ = 1;
    char name_[16] = "session_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
