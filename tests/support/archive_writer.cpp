#include "archive_writer.h"

#include "lzhuf_writer.h"

namespace {

void put16(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void chunk(std::vector<std::uint8_t> &out, std::uint32_t id,
           const std::vector<std::uint8_t> &payload)
{
    put32(out, id);
    put32(out, std::uint32_t(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
}

} // namespace

std::vector<std::uint8_t> buildArchive(const ArchiveLayout &layout)
{
    std::vector<std::uint8_t> out;
    if (layout.header)
        chunk(out, 666, {layout.header->begin(), layout.header->end()});
    // The files' bytes follow chunk 0's own 8 header bytes.
    const std::uint32_t dataStart = std::uint32_t(out.size() + 8);
    std::vector<std::uint8_t> data;
    std::vector<std::uint32_t> offsets;
    for (const ArchiveItem &file : layout.files) {
        if (file.sameAs >= 0) {
            offsets.push_back(offsets[std::size_t(file.sameAs)]);
            continue;
        }
        offsets.push_back(dataStart + std::uint32_t(data.size()));
        data.insert(data.end(), file.data.begin(), file.data.end());
    }
    chunk(out, 0, data);
    std::vector<std::uint8_t> list;
    for (std::size_t i = 0; i < layout.files.size(); ++i) {
        const ArchiveItem &file = layout.files[i];
        const ArchiveItem &stored =
            file.sameAs >= 0 ? layout.files[std::size_t(file.sameAs)] : file;
        const auto size = file.folder ? 0u : std::uint32_t(stored.data.size());
        put16(list, std::uint32_t(file.name.size() + 16));
        put32(list, size);
        put32(list, size);
        put32(list, file.folder ? 0u : 0x1234567u);
        list.insert(list.end(), file.name.begin(), file.name.end());
        put32(list, file.folder ? 0u : offsets[i]);
    }
    if (layout.packList)
        list = packLzHuf(list);
    if (layout.key)
        list = kelvane::encryptList(list, *layout.key);
    chunk(out, layout.packList ? 0x80000001u : 1u, list);
    return out;
}
