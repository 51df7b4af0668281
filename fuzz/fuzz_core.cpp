// libFuzzer entry: the first byte chooses whether the rest is a whole file or the headers of
// a file over 10 MiB (bit 0), and whether an older block is upgraded (bit 1); any broken
// promise stops the run with the reason. A whole file is also decoded, as the window does.
#include "core_invariants.h"
#include "decoder_invariants.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    const bool headersOnly = (data[0] & 1) != 0;
    std::string broken = checkCoreInvariants(file, headersOnly, (data[0] & 2) != 0);
    if (broken.empty() && !headersOnly)
        broken = checkDecoderInvariants(file);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
