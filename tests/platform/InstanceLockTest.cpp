// The single-copy lock between real processes: one copy per program folder and user.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <memory>

namespace {

class InstanceLockProcessTest : public ::testing::Test {
  protected:
    // Starts a probe for that program folder; it answers "held" or "busy".
    std::unique_ptr<QProcess> Start(const QString& folder, const QString& runtime = {}) {
        auto probe = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), temp_.path());
        if (runtime.isEmpty())
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        else
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        probe->setProcessEnvironment(env);
        probe->start(QStringLiteral(ZARLE_LOCK_PROBE), {name_, folder});
        return probe;
    }
    static QString Answer(QProcess& probe) {
        if (!probe.waitForReadyRead(10000)) return QStringLiteral("no answer");
        return QString::fromUtf8(probe.readLine()).trimmed();
    }
    static void Stop(QProcess& probe) {
        probe.closeWriteChannel();
        probe.waitForFinished(10000);
    }
    QString Folder(const QString& name) const { return folders_.filePath(name); }

    QTemporaryDir temp_;
    QTemporaryDir folders_;
    const QString name_ = QStringLiteral("zarlenet-test-") + QUuid::createUuid().toString(QUuid::Id128);
};

TEST_F(InstanceLockProcessTest, OneCopyPerProgramFolder) {
    auto first = Start(Folder(QStringLiteral("a")));
    ASSERT_EQ(Answer(*first), QStringLiteral("held"));

    auto again = Start(Folder(QStringLiteral("a")));
    EXPECT_EQ(Answer(*again), QStringLiteral("busy")) << "the same folder never runs twice";
    auto other = Start(Folder(QStringLiteral("b")));
    EXPECT_EQ(Answer(*other), QStringLiteral("held")) << "a copy in another folder runs beside it";
    Stop(*other);

    Stop(*first);
    auto after = Start(Folder(QStringLiteral("a")));
    EXPECT_EQ(Answer(*after), QStringLiteral("held")) << "the lock goes with the copy that held it";
    Stop(*after);
}

TEST_F(InstanceLockProcessTest, AnotherUsersSessionRunsTheSameFolder) {
    QTemporaryDir mine, theirs;
    auto first = Start(Folder(QStringLiteral("a")), mine.path());
    ASSERT_EQ(Answer(*first), QStringLiteral("held"));
    auto second = Start(Folder(QStringLiteral("a")), theirs.path());
    EXPECT_EQ(Answer(*second), QStringLiteral("held"));
    auto mineAgain = Start(Folder(QStringLiteral("a")), mine.path());
    EXPECT_EQ(Answer(*mineAgain), QStringLiteral("busy"));
    Stop(*second);
    Stop(*first);
}

TEST_F(InstanceLockProcessTest, ACrashedCopyLeavesNoLockBehind) {
    auto first = Start(Folder(QStringLiteral("a")));
    ASSERT_EQ(Answer(*first), QStringLiteral("held"));
    first->kill();
    first->waitForFinished(10000);
    auto next = Start(Folder(QStringLiteral("a")));
    EXPECT_EQ(Answer(*next), QStringLiteral("held"));
    Stop(*next);
}

} // namespace
