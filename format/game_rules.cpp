#include "game_rules.h"

#include "game_sound_types.h"
#include "hex_text.h"
#include "legacy_block.h"
#include "sound_range.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kelvane {

namespace {

// The fewest digits that read back as this float: "0.7", "20".
std::string shortNumberText(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// What the game's decoder refuses, in the warning's words.
MessageKind refusalText(DecoderRefusal refusal)
{
    switch (refusal) {
    case DecoderRefusal::IdentificationHeader:
        return MessageKind::WarnIdentificationHeader;
    case DecoderRefusal::CommentHeader:
        return MessageKind::WarnCommentOverrun;
    case DecoderRefusal::EndsEarly:
        return MessageKind::WarnEndsInHeaders;
    case DecoderRefusal::NoStreamStart:
        return MessageKind::WarnNoStreamStart;
    case DecoderRefusal::OtherStream:
        return MessageKind::WarnOtherStream;
    case DecoderRefusal::OutOfSequence:
        return MessageKind::WarnOutOfSequence;
    case DecoderRefusal::ContinuedPacket:
        break;
    }
    return MessageKind::WarnContinuedPacket;
}

} // namespace

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
    case GameWarningKind::SampleRate: // the stock loader asserts the rate before the block
        return GameWarningLevel::StopsGame;
    case GameWarningKind::OlderBlock:
    case GameWarningKind::NotABlock:
    case GameWarningKind::NoBlock:
    case GameWarningKind::UnlistedType:
    case GameWarningKind::Channels:
    case GameWarningKind::AIBeyondMax:
    case GameWarningKind::LoudAtMax:
    case GameWarningKind::RangeUnknown:
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

std::vector<GameWarning> valueWarnings(const SoundAttributes &attrs)
{
    std::vector<GameWarning> warnings;
    // NaN compares false, so it is refused like any distance below the least.
    if (!(attrs.maxDist >= kLeastMaxDistance))
        warnings.push_back({GameWarningKind::MaxDistance, {MessageKind::WarnMaxDistance, {"0.1"}}});
    if (!(attrs.maxAIDist >= kLeastMaxDistance))
        warnings.push_back(
            {GameWarningKind::MaxAIDistance, {MessageKind::WarnMaxAIDistance, {"0.1"}}});
    if (!gameTypeName(attrs.gameType))
        warnings.push_back({GameWarningKind::UnlistedType,
                            {MessageKind::WarnUnlistedType, {"0x" + hexText(attrs.gameType)}}});
    return warnings;
}

std::optional<GameWarning> rangeProblem(const SoundAttributes &attrs)
{
    if (!(attrs.maxDist >= kLeastMaxDistance))
        return GameWarning{GameWarningKind::MaxDistance, {MessageKind::WarnMaxDistance, {"0.1"}}};
    if (!(attrs.minDist >= 0.0f) || !std::isfinite(attrs.minDist) || !std::isfinite(attrs.maxDist))
        return GameWarning{GameWarningKind::RangeUnknown,
                           {MessageKind::WarnRangeUnknown,
                            {shortNumberText(attrs.minDist), shortNumberText(attrs.maxDist)}}};
    return std::nullopt;
}

std::vector<GameWarning> rangeWarnings(const SoundAttributes &attrs)
{
    std::vector<GameWarning> warnings;
    if (!(attrs.maxAIDist >= kLeastMaxDistance))
        return warnings; // the game stops on that
    if (auto problem = rangeProblem(attrs)) {
        if (problem->kind == GameWarningKind::RangeUnknown)
            warnings.push_back(std::move(*problem));
        return warnings;
    }
    // A minimum beyond the maximum (the window refuses it, a file may hold it) plays the sound
    // at full volume up to its cut, as the formula says.
    if (attrs.maxAIDist > attrs.maxDist)
        warnings.push_back({GameWarningKind::AIBeyondMax,
                            {MessageKind::WarnAIBeyondMax,
                             {shortNumberText(attrs.maxAIDist), shortNumberText(attrs.maxDist)}}});
    const double atMost = decibels(gainAt(attrs, attrs.maxDist));
    if (atMost > kCutOffDecibels) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", atMost);
        warnings.push_back({GameWarningKind::LoudAtMax, {MessageKind::WarnLoudAtMax, {text}}});
    }
    return warnings;
}

std::vector<GameWarning> gameWarnings(const SoundFacts &facts)
{
    std::vector<GameWarning> warnings;
    if (facts.badChecksum)
        warnings.push_back({GameWarningKind::Undecodable, {MessageKind::WarnBadChecksum, {"2"}}});
    else if (facts.decoderRefusal)
        warnings.push_back({GameWarningKind::Undecodable, refusalText(*facts.decoderRefusal)});
    switch (facts.block) {
    case SoundFacts::Older:
        warnings.push_back({GameWarningKind::OlderBlock,
                            {MessageKind::WarnOlderBlock, {std::to_string(facts.attrs->version)}}});
        break;
    case SoundFacts::NotABlock:
        warnings.push_back({GameWarningKind::NotABlock, MessageKind::WarnNotABlock});
        break;
    case SoundFacts::TooShort:
        warnings.push_back(
            {GameWarningKind::ShortBlock,
             {MessageKind::WarnShortBlock,
              {std::to_string(facts.claimedVersion), std::to_string(facts.commentBytes)}}});
        break;
    case SoundFacts::Missing:
        warnings.push_back({GameWarningKind::NoBlock, MessageKind::WarnNoBlock});
        break;
    case SoundFacts::Present:
        for (GameWarning &warning : valueWarnings(*facts.attrs))
            warnings.push_back(std::move(warning));
        break;
    }
    if (facts.attrs && (facts.block == SoundFacts::Present || facts.block == SoundFacts::Older))
        for (GameWarning &warning : rangeWarnings(*facts.attrs))
            warnings.push_back(std::move(warning));
    if (facts.sampleRate != kEngineSampleRate)
        warnings.push_back(
            {GameWarningKind::SampleRate,
             {MessageKind::WarnSampleRate,
              {std::to_string(facts.sampleRate), std::to_string(kEngineSampleRate)}}});
    if (facts.channels > 1)
        warnings.push_back({GameWarningKind::Channels,
                            {MessageKind::WarnChannels, {std::to_string(facts.channels)}}});
    return warnings;
}

} // namespace kelvane
