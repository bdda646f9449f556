// What start-up keeps of its privileges. Each case runs in a child process, since
// privileges once given up do not come back.

#include "platform/Privileges.h"

#include <QTest>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

class Privileges : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void rootGivesUpWhatItNeedNot_data();
    void rootGivesUpWhatItNeedNot();
};

namespace {

bool noCapabilities()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, caps) != 0)
        return false;
    for (const auto& set : caps)
        if (set.effective || set.permitted || set.inheritable)
            return false;
    return true;
}

} // namespace

void Privileges::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("these cases start as root (as CI runs); the emulated PC's guest test covers them too");
}

void Privileges::rootGivesUpWhatItNeedNot_data()
{
    QTest::addColumn<QByteArray>("sudoUid");
    QTest::addColumn<QByteArray>("sudoGid");
    QTest::addColumn<int>("uid");
    QTest::addColumn<int>("gid");
    QTest::newRow("through sudo") << QByteArray("65534") << QByteArray("65534") << 65534 << 65534;
    QTest::newRow("plain root") << QByteArray() << QByteArray() << 0 << 0;
    QTest::newRow("sudo from root") << QByteArray("0") << QByteArray("0") << 0 << 0;
    QTest::newRow("not a number") << QByteArray("65534x") << QByteArray("65534") << 0 << 0;
}

void Privileges::rootGivesUpWhatItNeedNot()
{
    QFETCH(QByteArray, sudoUid);
    QFETCH(QByteArray, sudoGid);
    QFETCH(int, uid);
    QFETCH(int, gid);
    const pid_t child = fork();
    if (child == 0) {
        if (!sudoUid.isEmpty()) {
            setenv("SUDO_UID", sudoUid.constData(), 1);
            setenv("SUDO_GID", sudoGid.constData(), 1);
        } else {
            unsetenv("SUDO_UID");
            unsetenv("SUDO_GID");
        }
        platform::dropPrivileges();
        const bool asExpected = getuid() == uid_t(uid) && geteuid() == uid_t(uid) && getgid() == gid_t(gid) &&
                                getegid() == gid_t(gid) && (uid == 0 || getgroups(0, nullptr) == 0) &&
                                noCapabilities();
        _exit(asExpected ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

QTEST_GUILESS_MAIN(Privileges)
#include "tst_privileges.moc"
