#pragma once

#include "list_cipher.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One entry of an archive a test builds.
struct ArchiveItem
{
    std::string name; // as the list holds it: Windows-1251 bytes, backslashes
    std::vector<std::uint8_t> data;
    bool folder = false;
    int sameAs = -1; // stored once: this entry's offset is that earlier entry's
};

struct ArchiveLayout
{
    std::optional<std::string> header;   // chunk 666's text
    std::optional<kelvane::ListKey> key; // the list encrypted (the first game's)
    bool packList = true;
    std::vector<ArchiveItem> files;
};

// The archive's bytes: the header chunk, the files' chunk 0, the list's chunk 1.
std::vector<std::uint8_t> buildArchive(const ArchiveLayout &layout);
