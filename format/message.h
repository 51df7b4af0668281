#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Every outcome the core reports, as a kind and its arguments: each front end words it once,
// the window in the user's language, the command line in English, JSON by its key.
enum class MessageKind : std::uint8_t
{
    None,
    // Details of a sound.
    ChannelsNotForFirstGame,
    Channels,
    SampleRate,
    NominalBitrate,
    MinMaxBitrate,
    VendorHeading,
    Vendor,
    FileSize,
    StoredChecksum,
    ComputedChecksum,
    SavedFileSize,
    InsertedLacingByte,
    BytesRead,
    // What loading found.
    LargeFile,
    NotOgg,
    NotValidOgg,
    NoSegments,
    EndsTooEarly,
    BadHeaderChar,
    BadChecksum,
    NotGscSound,
    BlockInserted,
    BlockUpgraded,
    CannotInsert,
    BlockOffPage2,
    OlderBlockTooLong,
    CouldNotOpen,
    CouldNotScan,
    ReadProblem,
    // What a save found.
    WriteProblem,
    ChangedOnDisk,
    InUse,
    BackupFailed,
    // A sound's state in the sound table and in `show --table`.
    StateOk,
    StateBadChecksum,
    StateNoBlock,
    StateOlderBlock,
    StateOverLimit,
    StateStopsGame,
    StateRefused,
    StateViewOnly,
    StateAndStopsGame,
    FolderUnreadable,
    NameNotUtf8,
    FolderLoop,
    // What writing many sounds did to one.
    ChangedSinceListed,
    Unchanged,
    LargerThanLimit,
    WithReason,
    List,
    NotWritten,
    ChangeBlockInserted,
    ChangeOlderUpgraded,
    ChangeChecksumRepaired,
    ChangeType,
    ChangeNumber,
    BreachVolume,
    BreachMinDist,
    BreachMaxBelowMin,
    BreachMaxAIDist,
    // What the game does.
    WarnMaxDistance,
    WarnMaxAIDistance,
    WarnUnlistedType,
    WarnOlderBlock,
    WarnNotABlock,
    WarnNoBlock,
    WarnShortBlock,
    WarnSampleRate,
    WarnBadChecksum,
    WarnIdentificationHeader,
    WarnEndsInHeaders,
    WarnCommentOverrun,
    WarnNoStreamStart,
    WarnOtherStream,
    WarnOutOfSequence,
    WarnContinuedPacket,
    WarnChannels,
    WarnAIBeyondMax,
    WarnLoudAtMax,
    WarnRangeUnknown,
    // The rules of the boxes.
    RuleVolume,
    RuleMaxDist,
    RuleAtLeast,
    // Reasons the disk gives, and what a save could not keep.
    SystemReason,
    FileEndedEarly,
    ChangedWhileRead,
    NoMemory,
    FolderNotFlushed,
    OwnerAndGroupNotKept,
    OwnerNotKept,
    ExtendedAttributesNotKept,
    PermissionsNotKept,
    AttributesNotKept,
    DanglingLink,
    CannotBeWritten,
    NotRegularFile,
    BackupNameTaken,
    OtherHardLinkKeeps,
    OtherHardLinksKeep,
    BackupLeft,
    ReplacedLeft,
    PagesUnreadable,
    ChangedWhilePagesRead,
    // Restoring a backup.
    NotRestored,
    NotRestoredBackupNotRegular,
    NotRestoredNewerTaken,
    NotRestoredNotFlushed,
    ChangedSinceRead,
    RestoreUnfinished,
    // Cleaning up backups.
    CleanNotASound,
    CleanLinkSkipped,
    // Making a sound game-ready.
    SourceNotAudio,
    SourceUnreadable,
    SourceEmpty,
    SourceTooManyChannels,
    SourceTooLong,
    SourceIsTarget,
    AlreadyThere,
    AlreadyGameReady,
    // The game's archives.
    ArchiveTruncated,
    ArchiveChunkPastEnd,
    ArchiveNoFileList,
    ArchiveListDamaged,
    ArchiveNoKey,
    ArchiveUnreadable,
    ArchiveNotLoaded,
    EntryPastEnd,
    EntryNameNotText,
    EntryLeavesFolder,
    EntryPacked,
    NotInArchive,
    InsideArchive,
};
inline constexpr MessageKind kLastMessageKind = MessageKind::InsideArchive;

struct Message
{
    MessageKind kind = MessageKind::None;
    // Numbers and names, written as the English text writes them: %1, %2...
    std::vector<std::string> args;
    // Messages within this one, after the arguments, each worded by the same front end.
    std::vector<Message> parts;

    Message() = default;
    Message(MessageKind k, std::vector<std::string> a = {}, std::vector<Message> p = {})
        : kind(k)
        , args(std::move(a))
        , parts(std::move(p))
    {}
    [[nodiscard]] bool empty() const { return kind == MessageKind::None; }
    friend bool operator==(const Message &, const Message &) = default;
};

// "failure (reason)", or the failure alone when there is no reason.
[[nodiscard]] inline Message withReason(Message failure, Message reason)
{
    if (reason.empty())
        return failure;
    return {MessageKind::WithReason, {}, {std::move(failure), std::move(reason)}};
}

// The English text with %1, %2... where the arguments and then the parts go; what the window
// translates. Empty for None.
[[nodiscard]] std::string_view englishTemplate(MessageKind kind);
// Whether the window translates it: a vendor's name or the system's reason stays as it is.
[[nodiscard]] bool isTranslated(MessageKind kind);
// Whether the parts are trimmed of their blanks: "refused: " before a reason that begins with one.
[[nodiscard]] bool trimsParts(MessageKind kind);
// A name for scripts that stays when the wording changes: "badChecksum".
[[nodiscard]] std::string_view messageKey(MessageKind kind);
// The template with each %n replaced by `fill(n)` (1-based).
template<typename Fill>
std::string fillTemplate(std::string_view text, Fill fill);
// The message in English: the arguments as they are, the parts in English (a List's parts
// joined by ", ").
[[nodiscard]] std::string englishText(const Message &message);

template<typename Fill>
std::string fillTemplate(std::string_view text, Fill fill)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            out += fill(std::size_t(text[i + 1] - '0'));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace kelvane
