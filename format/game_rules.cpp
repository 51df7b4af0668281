#include "game_rules.h"

#include "game_sound_types.h"
#include "hex_text.h"
#include "legacy_block.h"

namespace kelvane {

SoundFacts soundFactsOf(const Inspection &found)
{
    SoundFacts facts;
    facts.sampleRate = found.sampleRate;
    facts.channels = found.channels;
    facts.badChecksum = found.computedChecksum && *found.computedChecksum != found.storedChecksum;
    facts.decoderRefusal = found.decoderRefusal;
    const bool onDisk = found.outcome != LoadOutcome::Inserted &&
                        found.outcome != LoadOutcome::Upgraded && found.shownAttrs;
    if (onDisk) {
        facts.block = SoundFacts::Present;
        facts.attrs = found.fileAttrs;
    } else if (const auto older =
                   found.firstComment ? readLegacyBlock(*found.firstComment) : std::nullopt) {
        facts.block = SoundFacts::Older;
        facts.attrs = older;
    } else if (const auto claimed =
                   found.firstComment ? shortBlockVersion(*found.firstComment) : std::nullopt) {
        facts.block = SoundFacts::TooShort;
        facts.claimedVersion = *claimed;
        facts.commentBytes = found.firstComment->size();
    } else {
        facts.block = found.firstComment ? SoundFacts::NotABlock : SoundFacts::Missing;
    }
    return facts;
}

GameWarningLevel levelOf(GameWarningKind kind)
{
    switch (kind) {
    case GameWarningKind::Undecodable:
    case GameWarningKind::ShortBlock:
    case GameWarningKind::MaxDistance:
    case GameWarningKind::MaxAIDistance:
        return GameWarningLevel::StopsGame;
    case GameWarningKind::OlderBlock:
    case GameWarningKind::NotABlock:
    case GameWarningKind::NoBlock:
    case GameWarningKind::UnlistedType:
    case GameWarningKind::SampleRate:
    case GameWarningKind::Channels:
        break;
    }
    return GameWarningLevel::Notice;
}

bool anyStopsGame(const std::vector<GameWarning> &warnings)
{
    for (const GameWarning &warning : warnings)
        if (warning.stopsGame())
            return true;
    return false;
}

std::vector<GameWarning> valueWarnings(const TSoundAttributes &attrs)
{
    std::vector<GameWarning> warnings;
    // NaN compares false, so it is refused like any distance below the least.
    if (!(attrs.maxDist >= kLeastMaxDistance))
        warnings.push_back({GameWarningKind::MaxDistance,
                            "maximum distance below 0.1: the game stops with \"Invalid max "
                            "distance\""});
    if (!(attrs.maxAIDist >= kLeastMaxDistance))
        warnings.push_back({GameWarningKind::MaxAIDistance,
                            "maximum AI distance below 0.1: the game stops with \"Invalid max "
                            "distance\""});
    if (!gameTypeName(attrs.gameType))
        warnings.push_back({GameWarningKind::UnlistedType,
                            "type code 0x" + hexText(attrs.gameType) +
                                " is not in the list: it shows as undefined, and saving in the "
                                "window writes undefined"});
    return warnings;
}

std::vector<GameWarning> gameWarnings(const SoundFacts &facts)
{
    std::vector<GameWarning> warnings;
    if (facts.badChecksum)
        warnings.push_back({GameWarningKind::Undecodable,
                            "the page 2 checksum is wrong: the game's decoder cannot open the "
                            "file until it is repaired"});
    else if (facts.decoderRefusal == DecoderRefusal::IdentificationHeader)
        warnings.push_back({GameWarningKind::Undecodable,
                            "the identification header breaks the decoder's rules: the game "
                            "cannot open the file"});
    else if (facts.decoderRefusal == DecoderRefusal::EndsEarly)
        warnings.push_back({GameWarningKind::Undecodable,
                            "the file ends inside its headers: the game cannot open it"});
    else if (facts.decoderRefusal == DecoderRefusal::CommentHeader)
        warnings.push_back({GameWarningKind::Undecodable,
                            "a length or count in the comment header runs past its end: the "
                            "game cannot open the file"});
    switch (facts.block) {
    case SoundFacts::Older:
        warnings.push_back({GameWarningKind::OlderBlock, "older block of version " +
                                                             std::to_string(facts.attrs->version) +
                                                             ", which the game still reads"});
        break;
    case SoundFacts::NotABlock:
        warnings.push_back({GameWarningKind::NotABlock,
                            "the first comment is not an attribute block (the game plays the "
                            "sound with its own defaults)"});
        break;
    case SoundFacts::TooShort:
        warnings.push_back({GameWarningKind::ShortBlock,
                            "the first comment starts with version " +
                                std::to_string(facts.claimedVersion) + " but holds only " +
                                std::to_string(facts.commentBytes) +
                                " bytes: the game reads past its end, and may stop"});
        break;
    case SoundFacts::Missing:
        warnings.push_back({GameWarningKind::NoBlock, "no attribute block (the game plays the "
                                                      "sound with its own defaults)"});
        break;
    case SoundFacts::Present:
        for (GameWarning &warning : valueWarnings(*facts.attrs))
            warnings.push_back(std::move(warning));
        break;
    }
    if (facts.sampleRate != kEngineSampleRate)
        warnings.push_back({GameWarningKind::SampleRate, "sample rate " +
                                                             std::to_string(facts.sampleRate) +
                                                             " Hz: the game loads only 44100 Hz"});
    if (facts.channels > 1)
        warnings.push_back({GameWarningKind::Channels,
                            std::to_string(facts.channels) +
                                " channels: the first game plays only mono sounds; the later "
                                "games play stereo only as sounds in the player's head"});
    return warnings;
}

} // namespace kelvane
