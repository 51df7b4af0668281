#pragma once

#include "decoder_headers.h"
#include "file_image.h"
#include "message.h"
#include "sound_attributes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {

enum class LoadOutcome
{
    Refused,     // a check failed: no attributes, nothing armed
    Clean,       // block found, checksum right
    BadChecksum, // block found, checksum wrong: saving repairs it
    Inserted,    // no block: the default block was inserted in the image
    Upgraded,    // an older block was replaced in the image by a version 3 block
    ViewOnly,    // block shown, but the image must not be written
};

// What inspecting a freshly read image found, as the window and the command line present it.
struct Inspection;

// The older block of version 1 or 2 in the first comment, when that is what it holds.
[[nodiscard]] std::optional<SoundAttributes> olderBlock(const Inspection &found);

struct Inspection
{
    LoadOutcome outcome = LoadOutcome::Refused;
    std::vector<Message> infoLines;
    // The attribute strip's text when inspection ends; empty hides the strip.
    Message attrStatus;
    // The status line's text (" Read N bytes. "), empty when inspection did not get that far.
    Message statusLine;
    // True when the details list should show its first line (inspection got through).
    bool selectFirstLine = false;
    // The block to put into the controls: the one found, or the inserted default.
    std::optional<SoundAttributes> shownAttrs;
    // What Revert returns to, and what the last save holds. A version of 0 in savedAttrs makes
    // any block built from the controls differ from it, so Apply writes it.
    SoundAttributes fileAttrs{};
    SoundAttributes savedAttrs{};
    // Changes are pending from the start (bad checksum or inserted block).
    bool armed = false;
    std::uint32_t storedChecksum = 0;
    std::optional<std::uint32_t> computedChecksum;
    // From the identification header, once the shape checks have passed.
    unsigned channels = 0;
    std::uint32_t sampleRate = 0;
    // What an insertion or upgrade added to the image (it is not yet on disk): its bytes, and
    // how many of the last detail lines describe it.
    std::size_t insertedBytes = 0;
    std::size_t insertionLines = 0;
    // The first user comment as the file held it (before any insertion), when it was read whole.
    std::optional<std::vector<std::uint8_t>> firstComment;
    // Why the games' decoder would not open the file as it is on disk, its checksum apart;
    // nothing when it would, or when the comment header does not end on page 2.
    std::optional<DecoderRefusal> decoderRefusal;
};

// What a file without a version 3 block receives in the image.
enum class MissingBlock
{
    InsertDefault, // the default block in front of the comments (the window)
    UpgradeOlder,  // an older block of version 1 or 2 becomes a version 3 block holding the
                   // values the game reads from it; otherwise the default block is inserted
};

// Checks the fixed shape of the first two pages, builds the detail lines, finds the attribute
// block or inserts the default one, and compares the stored checksum of page 2 with the
// computed one. Reads only the bytes the image holds and changes none of them unless it
// inserts or upgrades a block. Only inspection gives an image its layout, without which it
// cannot be saved.
[[nodiscard]] Inspection inspectImage(FileImage &image,
                                      MissingBlock missing = MissingBlock::InsertDefault);

} // namespace kelvane
