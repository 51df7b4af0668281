#include "save_image.h"

#include "byte_order.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

namespace kelvane {

bool prepareImageForSave(FileImage &image, const TSoundAttributes &attrs)
{
    const auto &found = image.layout();
    if (!found)
        return false;
    const auto bytes = image.bytes();
    writeAttributeBlock(bytes.subspan(found->blockOffset()), attrs);
    writeU32LE(bytes, layout::kPage2Checksum,
               OggPageChecksum(bytes.subspan(layout::kPage2, found->commentPageLength())));
    return true;
}

} // namespace kelvane
