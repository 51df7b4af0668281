#pragma once

#include "list_cipher.h"
#include "lzhuf.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane {

// Reads `into.size()` bytes of the archive at `offset`; false when they are not all there.
using ArchiveRead = std::function<bool(std::uint64_t offset, std::span<std::uint8_t> into)>;

// A file an archive holds.
struct ArchiveEntry
{
    std::string path;         // UTF-8, '/' between folders
    std::uint64_t offset = 0; // from the archive's first byte
    std::uint32_t size = 0;   // as stored
    std::uint32_t realSize = 0;
    std::uint32_t crc = 0; // CRC-32 of the data, which the engine never checks
    // Stored compressed (the engine's packer does so to .xml, .ltx and .script, never to a sound).
    [[nodiscard]] bool packed() const { return size != realSize; }
};

// An entry of the list that is not listed, and why.
struct SkippedEntry
{
    enum Why
    {
        PastTheEnd,   // its bytes run past the archive's end
        NameNotText,  // a byte of its name is no Windows-1251 character
        LeavesFolder, // absolute, or with "..": it would be written outside any folder
    } why;
    std::string name; // as far as it can be told
};

struct ArchiveIndex
{
    bool hasHeader = false;
    bool autoLoad = true;            // the header's auto_load: an archive the game does not mount
    std::string entryPoint;          // the header's entry_point, "gamedata" or an alias
    std::optional<ListKey> key;      // the key the list was encrypted with, when it was
    std::vector<ArchiveEntry> files; // folders left out; a later entry of one path wins
    std::vector<SkippedEntry> skipped;
};

enum class ArchiveProblem
{
    Truncated,    // the last chunk's header is cut
    ChunkPastEnd, // a chunk's size runs past the archive's end
    NoFileList,   // no chunk 1
    ListDamaged,  // the list does not unpack, or an entry runs past the list's end
    NoKey,        // an encrypted list that neither key opens
    Unreadable,   // a read failed
};

// Reads an archive's chunks, its header and its file list. `firstGame`: the archive's name
// says it is one of the first game's, whose lists without a header are encrypted.
[[nodiscard]] std::variant<ArchiveIndex, ArchiveProblem>
readArchiveIndex(std::uint64_t archiveSize, const ArchiveRead &read, bool firstGame);

// The same for an archive already in memory.
[[nodiscard]] std::variant<ArchiveIndex, ArchiveProblem>
readArchiveIndex(std::span<const std::uint8_t> archive, bool firstGame);

// Whether a file named so is an archive (its extension starts with .db or .xdb), and whether
// one of the first game's (no .xdb).
[[nodiscard]] bool isArchiveName(std::string_view name);
[[nodiscard]] bool isFirstGameArchiveName(std::string_view name);

} // namespace kelvane
