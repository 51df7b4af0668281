#pragma once

#include "attribute_edits.h"
#include "sound_scan.h"

namespace kelvane {

// The values an edit of the sound listed as `listed` starts from: what the game reads, or for a
// sound without a block the block a save inserts; none for a sound that is never written.
[[nodiscard]] std::optional<SoundAttributes> editableValues(const ScannedSound &listed);

// Why `edits` cannot be written into the sound listed as `listed`: a sound that cannot be
// written, or a rule the values would break; nothing when they can.
[[nodiscard]] std::optional<Message> refusedEdits(const ScannedSound &listed,
                                                  const AttributeEdits &edits);

// The row as it will read once `edits` are written into the sound listed as `listed`: the
// values, and what the game's rules say of them. Its state stays the one on disk.
[[nodiscard]] ScannedSound withEdits(const ScannedSound &listed, const AttributeEdits &edits);

} // namespace kelvane
