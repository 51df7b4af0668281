#include "save_image.h"

#include "byte_order.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

namespace kelvane {

bool prepareImageForSave(FileImage &image, const TSoundAttributes &attrs)
{
    if (!image.writable || !image.blockOffset)
        return false;
    const auto bytes = image.bytes();
    writeAttributeBlock(bytes.subspan(*image.blockOffset), attrs);
    writeU32LE(bytes, layout::kPage2Checksum, 0);
    writeU32LE(bytes, layout::kPage2Checksum,
               OggPageCrc(bytes.subspan(layout::kPage2, image.commentPageLength)));
    return true;
}

} // namespace kelvane
