#pragma once

#include "file_image.h"
#include "sound_attributes.h"

namespace kelvane {

// Puts `attrs` into the image's block and stores page 2's new checksum. False, with the image
// unchanged, when inspection did not find the image safe to write (read in part, no block,
// page 2 incomplete).
[[nodiscard]] bool prepareImageForSave(FileImage &image, const SoundAttributes &attrs);

// Stores the checksum of page 2, `commentPageLength` bytes long, in its header: what any
// reader of `file` checks the page against.
void storePage2Checksum(std::span<std::uint8_t> file, std::size_t commentPageLength);

} // namespace kelvane
