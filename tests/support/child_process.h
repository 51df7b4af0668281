#pragma once

#include <functional>

// Runs `body` in a forked child and returns its exit status (or -1 when it did not exit).
// Used for what must not touch the test process: a file-size limit, or giving up root so that
// file permissions apply as they do to an ordinary user.
struct ChildLimits
{
    bool asOrdinaryUser = false;  // when root, become nobody first
    long long fileSizeLimit = -1; // RLIMIT_FSIZE in bytes, or -1 for none
};

int runInChild(const ChildLimits &limits, const std::function<int()> &body);
