// libFuzzer entry for the archive reader: the first byte's bit 0 says whether the archive is
// named as one of the first game's (its list then encrypted); any broken promise stops the run.
#include "archive_invariants.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string broken = checkArchiveInvariants({data + 1, size - 1}, (data[0] & 1) != 0);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
