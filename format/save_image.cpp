#include "save_image.h"

#include "byte_order.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

namespace kelvane {

bool prepareImageForSave(FileImage &image, const SoundAttributes &attrs)
{
    const auto &found = image.layout();
    if (!found)
        return false;
    const auto bytes = image.bytes();
    writeAttributeBlock(bytes.subspan(found->blockOffset()), attrs);
    storePage2Checksum(bytes, found->commentPageLength());
    return true;
}

void storePage2Checksum(std::span<std::uint8_t> file, std::size_t commentPageLength)
{
    writeU32LE(file, layout::kPage2Checksum,
               OggPageChecksum(file.subspan(layout::kPage2, commentPageLength)));
}

} // namespace kelvane
