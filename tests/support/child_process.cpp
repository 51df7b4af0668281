#include "child_process.h"

#include <csignal>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int runInChild(const ChildLimits &limits, const std::function<int()> &body)
{
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (limits.fileSizeLimit >= 0) {
            // Without this the kernel ends the process instead of failing the write.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(limits.fileSizeLimit),
                               static_cast<rlim_t>(limits.fileSizeLimit)};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(90);
        }
        if (limits.asOrdinaryUser && geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
                _exit(91);
        }
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
