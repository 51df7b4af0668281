#pragma once

#include "decoder_headers.h"
#include "load_report.h"
#include "message.h"
#include "sound_attributes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// What the games' sound loader demands of a file, and what it does otherwise.

// Below this maximum distance or maximum AI distance the game stops with a fatal
// "Invalid max distance." error the first time the sound plays.
inline constexpr float kLeastMaxDistance = 0.1f;
// The only sample rate the stock games load: any other stops them with "Invalid source rate".
inline constexpr std::uint32_t kEngineSampleRate = 44100;

// What the game reads from a file's first comment.
struct SoundFacts
{
    enum Block
    {
        Present,   // a version 3 block
        Missing,   // no comment at all
        NotABlock, // a first comment the game reads as an invalid block
        Older,     // a block of version 1 or 2, which the game still reads
        TooShort,  // a first comment too short for the version it starts with
    } block = Missing;
    std::optional<SoundAttributes> attrs; // what the game reads, when it reads a block
    std::uint32_t claimedVersion = 0;     // TooShort: the version the comment starts with
    std::size_t commentBytes = 0;         // TooShort: how long the comment is
    std::uint32_t sampleRate = 0;
    unsigned channels = 0;
    // The page 2 checksum on disk is wrong: the decoder skips that page and cannot open the file.
    bool badChecksum = false;
    std::optional<DecoderRefusal> decoderRefusal;
};

// The facts of a file as inspection found it on disk (an inserted block is not on disk).
[[nodiscard]] SoundFacts soundFactsOf(const Inspection &found);

// What a warning is about, so that a front end can mark the control holding that value.
enum class GameWarningKind
{
    Undecodable,
    OlderBlock,
    NotABlock,
    ShortBlock,
    NoBlock,
    MaxDistance,
    MaxAIDistance,
    UnlistedType,
    SampleRate,
    Channels,
    AIBeyondMax,
    LoudAtMax,
    RangeUnknown,
};

// What the game does about it: stop (a fatal error, or a file it cannot open), or play the
// sound in a way the modder may not mean.
enum class GameWarningLevel
{
    StopsGame,
    Notice,
};

[[nodiscard]] GameWarningLevel levelOf(GameWarningKind kind);

struct GameWarning
{
    GameWarningKind kind;
    Message text; // one short line: the rule broken and what the game does
    [[nodiscard]] GameWarningLevel level() const { return levelOf(kind); }
    [[nodiscard]] bool stopsGame() const { return level() == GameWarningLevel::StopsGame; }
};

[[nodiscard]] bool anyStopsGame(const std::vector<GameWarning> &warnings);

// Each thing the games reject or handle badly in such a file, in a fixed order.
[[nodiscard]] std::vector<GameWarning> gameWarnings(const SoundFacts &facts);

// The warnings about the values a save would write: the distances the game stops on and a
// type code the list does not hold.
[[nodiscard]] std::vector<GameWarning> valueWarnings(const SoundAttributes &attrs);

// What the sound's range makes of valid values: NPCs hearing it farther than the player, and a
// sound still loud where the game cuts it off; a minimum that is no distance at all (negative,
// infinite or not a number) leaves the range untold, and says so.
[[nodiscard]] std::vector<GameWarning> rangeWarnings(const SoundAttributes &attrs);

// Why the sound's range cannot be told, if it cannot: the game stops on the maximum, or the
// minimum is no distance.
[[nodiscard]] std::optional<GameWarning> rangeProblem(const SoundAttributes &attrs);

} // namespace kelvane
