#include "archive_index.h"

#include "list_text.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <unordered_map>

namespace kelvane {

namespace {

constexpr std::uint32_t kPackedFlag = 0x80000000u;
constexpr std::uint32_t kListChunk = 1;
constexpr std::uint32_t kHeaderChunk = 666;
// The most a list or header may unpack to: far beyond any game's.
constexpr std::size_t kMostListBytes = std::size_t{256} << 20;

std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
           std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

struct Chunk
{
    std::uint64_t offset = 0; // of the payload
    std::uint32_t size = 0;
    bool packed = false;
};

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// The header's [header] section: auto_load and entry_point.
void readHeader(std::string_view text, ArchiveIndex &index)
{
    bool inHeader = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (const auto comment = line.find(';'); comment != std::string::npos)
            line = trimmed(line.substr(0, comment));
        if (line.starts_with('[')) {
            inHeader = line == "[header]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inHeader || equals == std::string::npos)
            continue;
        const std::string name = lowerAscii(trimmed(std::string_view(line).substr(0, equals)));
        const std::string value = trimmed(std::string_view(line).substr(equals + 1));
        if (name == "auto_load")
            index.autoLoad = !(value == "false" || value == "0" || value == "off");
        else if (name == "entry_point")
            index.entryPoint = value;
    }
}

// Where one path is listed twice, the later entry takes the place of the first. The paths are
// looked at where they lie, after the list is read: no path is copied into a map.
void keepLaterOfEachPath(std::vector<ArchiveEntry> &files)
{
    std::unordered_map<std::string_view, std::size_t> first;
    first.reserve(files.size());
    std::vector<std::size_t> taken(files.size()); // which entry each place ends with
    std::iota(taken.begin(), taken.end(), std::size_t{0});
    std::vector<bool> later(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        if (const auto [it, added] = first.try_emplace(files[i].path, i); !added) {
            taken[it->second] = i;
            later[i] = true;
        }
    if (first.size() == files.size())
        return;
    std::vector<ArchiveEntry> kept;
    kept.reserve(first.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!later[i])
            kept.push_back(std::move(files[taken[i]]));
    files = std::move(kept);
}

// The list's entries; false when one runs past the list's end.
bool readEntries(std::span<const std::uint8_t> list, std::uint64_t archiveSize, ArchiveIndex &index)
{
    for (std::size_t at = 0; at < list.size();) {
        if (list.size() - at < 2)
            return false;
        const std::size_t entrySize = std::size_t(list[at]) | std::size_t(list[at + 1]) << 8;
        if (entrySize < 16 || list.size() - at - 2 < entrySize)
            return false;
        const auto entry = list.subspan(at + 2, entrySize);
        at += 2 + entrySize;
        ArchiveEntry file;
        file.realSize = u32(entry, 0);
        file.size = u32(entry, 4);
        file.crc = u32(entry, 8);
        const std::string_view raw(reinterpret_cast<const char *>(entry.data() + 12),
                                   entrySize - 16);
        file.offset = u32(entry, entrySize - 4);
        if (file.realSize == 0 && file.size == 0 && file.crc == 0)
            continue; // a folder
        auto name = nameFromWindows1251(raw);
        if (!name) {
            index.skipped.push_back({SkippedEntry::NameNotText, std::string(raw)});
            continue;
        }
        file.path = std::move(*name);
        if (!staysInside(file.path)) {
            index.skipped.push_back({SkippedEntry::LeavesFolder, file.path});
            continue;
        }
        if (file.offset > archiveSize || archiveSize - file.offset < file.size) {
            index.skipped.push_back({SkippedEntry::PastTheEnd, file.path});
            continue;
        }
        index.files.push_back(std::move(file));
    }
    keepLaterOfEachPath(index.files);
    return true;
}

std::optional<std::vector<std::uint8_t>> chunkBytes(const Chunk &chunk, const ArchiveRead &read)
{
    std::vector<std::uint8_t> bytes(chunk.size);
    if (!read(chunk.offset, bytes))
        return std::nullopt;
    return bytes;
}

// The list unpacked and read; with `key`, decrypted first.
bool tryList(std::span<const std::uint8_t> stored, const Chunk &chunk,
             const std::optional<ListKey> &key, std::uint64_t archiveSize, ArchiveIndex &index)
{
    std::vector<std::uint8_t> plain;
    if (key)
        plain = decryptList(stored, *key);
    std::span<const std::uint8_t> packed = key ? std::span<const std::uint8_t>(plain) : stored;
    std::vector<std::uint8_t> unpacked;
    if (chunk.packed) {
        auto result = unpackLzHuf(packed, kMostListBytes);
        if (!std::holds_alternative<std::vector<std::uint8_t>>(result))
            return false;
        unpacked = std::move(std::get<std::vector<std::uint8_t>>(result));
        packed = unpacked;
    }
    ArchiveIndex attempt = index;
    if (!readEntries(packed, archiveSize, attempt))
        return false;
    attempt.key = key;
    index = std::move(attempt);
    return true;
}

} // namespace

std::variant<ArchiveIndex, ArchiveProblem> readArchiveIndex(std::uint64_t archiveSize,
                                                            const ArchiveRead &read, bool firstGame)
{
    std::map<std::uint32_t, Chunk> chunks;
    std::uint64_t at = 0;
    for (; archiveSize - at >= 8;) {
        std::uint8_t head[8];
        if (!read(at, head))
            return ArchiveProblem::Unreadable;
        const std::uint32_t id = u32(head, 0);
        const std::uint32_t size = u32(head, 4);
        if (archiveSize - at - 8 < size)
            return ArchiveProblem::ChunkPastEnd;
        chunks.try_emplace(id & ~kPackedFlag, Chunk{at + 8, size, (id & kPackedFlag) != 0});
        at += 8 + std::uint64_t(size);
    }
    if (at != archiveSize)
        return ArchiveProblem::Truncated;
    ArchiveIndex index;
    if (const auto header = chunks.find(kHeaderChunk); header != chunks.end()) {
        index.hasHeader = true;
        auto bytes = chunkBytes(header->second, read);
        if (!bytes)
            return ArchiveProblem::Unreadable;
        if (header->second.packed) {
            auto unpacked = unpackLzHuf(*bytes, kMostListBytes);
            if (!std::holds_alternative<std::vector<std::uint8_t>>(unpacked))
                return ArchiveProblem::ListDamaged;
            bytes = std::move(std::get<std::vector<std::uint8_t>>(unpacked));
        }
        readHeader(std::string_view(reinterpret_cast<const char *>(bytes->data()), bytes->size()),
                   index);
    }
    const auto list = chunks.find(kListChunk);
    if (list == chunks.end())
        return ArchiveProblem::NoFileList;
    const auto stored = chunkBytes(list->second, read);
    if (!stored)
        return ArchiveProblem::Unreadable;
    // The first game's lists are encrypted with one of two keys; each is tried from the bytes
    // as stored, and the one whose list reads whole wins.
    if (firstGame && !index.hasHeader) {
        for (const ListKey &key : {kWorldwideKey, kRussianKey})
            if (tryList(*stored, list->second, key, archiveSize, index))
                return index;
        return ArchiveProblem::NoKey;
    }
    if (!tryList(*stored, list->second, std::nullopt, archiveSize, index))
        return ArchiveProblem::ListDamaged;
    return index;
}

std::variant<ArchiveIndex, ArchiveProblem> readArchiveIndex(std::span<const std::uint8_t> archive,
                                                            bool firstGame)
{
    const auto read = [archive](std::uint64_t at, std::span<std::uint8_t> into) {
        if (at > archive.size() || archive.size() - at < into.size())
            return false;
        std::copy_n(archive.begin() + std::ptrdiff_t(at), into.size(), into.begin());
        return true;
    };
    return readArchiveIndex(archive.size(), read, firstGame);
}

bool isArchiveName(std::string_view name)
{
    const std::string lower = lowerAscii(name);
    const auto dot = lower.rfind('.');
    const std::string_view extension =
        dot == std::string::npos ? std::string_view() : std::string_view(lower).substr(dot);
    return extension.starts_with(".db") || extension.starts_with(".xdb");
}

bool isFirstGameArchiveName(std::string_view name)
{
    return isArchiveName(name) && lowerAscii(name).find(".xdb") == std::string::npos;
}

} // namespace kelvane
