#include "platform/Privileges.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// A whole decimal id from the environment, or -1.
long idFromEnvironment(const char* name)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return -1;
    char* end = nullptr;
    errno = 0;
    const long id = std::strtol(text, &end, 10);
    return (errno || *end || id < 0) ? -1 : id;
}

[[noreturn]] void fail(const char* step)
{
    std::fprintf(stderr, "voltarix: cannot give up root privileges (%s: %s)\n", step, std::strerror(errno));
    std::_Exit(1);
}

void becomeInvokingUser()
{
    const long uid = idFromEnvironment("SUDO_UID");
    const long gid = idFromEnvironment("SUDO_GID");
    if (getuid() != 0 || uid <= 0 || gid < 0)
        return;
    if (setgroups(0, nullptr) != 0)
        fail("setgroups");
    if (setresgid(static_cast<gid_t>(gid), static_cast<gid_t>(gid), static_cast<gid_t>(gid)) != 0)
        fail("setresgid");
    if (setresuid(static_cast<uid_t>(uid), static_cast<uid_t>(uid), static_cast<uid_t>(uid)) != 0)
        fail("setresuid");
}

void dropCapabilities()
{
    prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capset, &header, none) != 0)
        fail("capset");
}

} // namespace

void dropPrivileges()
{
    becomeInvokingUser();
    dropCapabilities();
}

} // namespace platform
