#include "sound_state.h"

#include "game_rules.h"

namespace kelvane {

namespace {

// What the file itself is, without the game's verdict.
Message fileStateText(const LoadResult &loaded)
{
    if (loaded.refused())
        return {MessageKind::StateRefused, {}, {loaded.whyRefused()}};
    const Inspection &found = loaded.inspection;
    switch (found.outcome) {
    case LoadOutcome::Clean:
        return MessageKind::StateOk;
    case LoadOutcome::BadChecksum:
        return MessageKind::StateBadChecksum;
    case LoadOutcome::Inserted:
    case LoadOutcome::Upgraded:
        if (const auto older = olderBlock(found))
            return {MessageKind::StateOlderBlock, {std::to_string(older->version)}};
        return MessageKind::StateNoBlock;
    case LoadOutcome::ViewOnly:
        return loaded.image->headersOnly()
                   ? Message(MessageKind::StateOverLimit, {"10"})
                   : Message(MessageKind::StateViewOnly, {}, {found.attrStatus});
    case LoadOutcome::Refused:
        break;
    }
    return {MessageKind::StateRefused, {}, {loaded.whyRefused()}};
}

// True when the game stops on the sound as it is on disk.
bool stopsTheGame(const LoadResult &loaded)
{
    return !loaded.refused() && anyStopsGame(gameWarnings(soundFactsOf(loaded.inspection)));
}

} // namespace

Message stateText(const LoadResult &loaded)
{
    Message state = fileStateText(loaded);
    // "bad checksum" says already that the game's decoder cannot open the file.
    if (!stopsTheGame(loaded) || loaded.inspection.outcome == LoadOutcome::BadChecksum)
        return state;
    return state.kind == MessageKind::StateOk
               ? Message(MessageKind::StateStopsGame)
               : Message(MessageKind::StateAndStopsGame, {}, {std::move(state)});
}

} // namespace kelvane
