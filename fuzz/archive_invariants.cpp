#include "archive_invariants.h"

#include "archive_index.h"
#include "list_text.h"
#include "lzhuf.h"

using namespace kelvane;

std::string checkArchiveInvariants(std::span<const std::uint8_t> archive, bool firstGame)
{
    constexpr std::size_t kMost = 1 << 20;
    const auto unpacked = unpackLzHuf(archive, kMost);
    if (const auto *bytes = std::get_if<std::vector<std::uint8_t>>(&unpacked);
        bytes && bytes->size() > kMost)
        return "the decoder gave more than allowed";
    const auto read = readArchiveIndex(archive, firstGame);
    const auto *index = std::get_if<ArchiveIndex>(&read);
    if (!index)
        return {};
    for (const ArchiveEntry &file : index->files) {
        if (file.offset > archive.size() || archive.size() - file.offset < file.size)
            return "a file listed runs past the archive's end: " + file.path;
        if (!staysInside(file.path))
            return "a file listed leaves the folder: " + file.path;
    }
    return {};
}
