#include "game_rules.h"

#include "legacy_block.h"

namespace kelvane {

SoundFacts soundFactsOf(const Inspection &found)
{
    SoundFacts facts;
    facts.sampleRate = found.sampleRate;
    facts.channels = found.channels;
    const bool onDisk = found.outcome != LoadOutcome::Inserted &&
                        found.outcome != LoadOutcome::Upgraded && found.shownAttrs;
    if (onDisk) {
        facts.block = SoundFacts::Present;
        facts.attrs = found.fileAttrs;
    } else if (const auto older =
                   found.firstComment ? readLegacyBlock(*found.firstComment) : std::nullopt) {
        facts.block = SoundFacts::Older;
        facts.attrs = older;
    } else {
        facts.block = found.firstComment ? SoundFacts::NotABlock : SoundFacts::Missing;
    }
    return facts;
}

std::vector<std::string> gameWarnings(const SoundFacts &facts)
{
    std::vector<std::string> warnings;
    switch (facts.block) {
    case SoundFacts::Older:
        warnings.push_back("older block of version " + std::to_string(facts.attrs->version) +
                           ", which the game still reads");
        break;
    case SoundFacts::NotABlock:
        warnings.emplace_back("the first comment is not an attribute block (the game plays the "
                              "sound with its own defaults)");
        break;
    case SoundFacts::Missing:
        warnings.emplace_back("no attribute block (the game plays the sound with its own "
                              "defaults)");
        break;
    case SoundFacts::Present:
        // NaN compares false, so it is refused like any distance below the least.
        if (!(facts.attrs->maxDist >= kLeastMaxDistance))
            warnings.emplace_back(
                "maximum distance below 0.1: the game stops with \"Invalid max distance\"");
        if (!(facts.attrs->maxAIDist >= kLeastMaxDistance))
            warnings.emplace_back(
                "maximum AI distance below 0.1: the game stops with \"Invalid max distance\"");
        break;
    }
    if (facts.sampleRate != kEngineSampleRate)
        warnings.push_back("sample rate " + std::to_string(facts.sampleRate) +
                           " Hz: the game loads only 44100 Hz");
    if (facts.channels > 1)
        warnings.push_back(std::to_string(facts.channels) +
                           " channels: the first game plays only mono sounds");
    return warnings;
}

} // namespace kelvane
