// The English words of every message, one row per kind. The window translates these very
// texts (lupdate reads KELVANE_TEXT as a translation mark); the command line prints them.
#include "message.h"
#include "text_mark.h"

#include <array>
#include <cstddef>

namespace kelvane {

namespace {

struct MessageText
{
    MessageKind kind;
    const char *key;
    const char *english;
    bool translated = true;
};

using K = MessageKind;

constexpr MessageText kTexts[] = {
    {K::None, "", ""},
    {K::ChannelsNotForFirstGame, "channels",
     KELVANE_TEXT("CoreText", "Number of channels:  %1 (* not for SoC *)")},
    {K::Channels, "channels", KELVANE_TEXT("CoreText", "Number of channels:  %1 ")},
    {K::SampleRate, "sampleRate", KELVANE_TEXT("CoreText", "Audio sample rate:     %1 Hz")},
    {K::NominalBitrate, "nominalBitrate",
     KELVANE_TEXT("CoreText", "Nominal bitrate:           %1")},
    {K::MinMaxBitrate, "minMaxBitrate",
     KELVANE_TEXT("CoreText", "Min/max bitrate:           %1 / %2")},
    {K::VendorHeading, "vendorHeading", KELVANE_TEXT("CoreText", "Vendor:")},
    {K::Vendor, "vendor", "  %1", false},
    {K::FileSize, "fileSize",
     KELVANE_TEXT("CoreText", "File size:                        %1 bytes")},
    {K::StoredChecksum, "storedChecksum",
     KELVANE_TEXT("CoreText", "Comment CRC:           %1 (File)")},
    {K::ComputedChecksum, "computedChecksum",
     KELVANE_TEXT("CoreText", "Comment CRC:           %1 (Calculated)")},
    {K::SavedFileSize, "savedFileSize",
     KELVANE_TEXT("CoreText", "New file size:                %1 bytes (when saved)")},
    {K::InsertedLacingByte, "insertedLacingByte",
     KELVANE_TEXT("CoreText", "  ** Inserted new segment lacing byte **")},
    {K::BytesRead, "bytesRead", KELVANE_TEXT("CoreText", " Read %1 bytes. ")},

    {K::LargeFile, "largeFile", KELVANE_TEXT("CoreText", "Large file, reading just headers.")},
    {K::NotOgg, "notOgg", KELVANE_TEXT("CoreText", "Not an Ogg file.")},
    {K::NotValidOgg, "notValidOgg", KELVANE_TEXT("CoreText", "Not a valid Ogg sound file.")},
    {K::NoSegments, "noSegments",
     KELVANE_TEXT("CoreText", "Not a valid Ogg sound file; no comment page segments.")},
    {K::EndsTooEarly, "endsTooEarly",
     KELVANE_TEXT("CoreText", "Not a valid Ogg sound file; it ends too early.")},
    {K::BadHeaderChar, "badHeaderChar",
     KELVANE_TEXT("CoreText", " Invalid Ogg Vorbis comment header char: %1")},
    {K::BadChecksum, "badChecksum",
     KELVANE_TEXT("CoreText", "File has a bad CRC checksum. Click Apply to fix.")},
    {K::NotGscSound, "tooLarge",
     KELVANE_TEXT("CoreText",
                  " File size > %1 bytes; not a GSC sound - it cannot be viewed/edited.")},
    {K::BlockInserted, "blockInserted",
     KELVANE_TEXT("CoreText", "Comment block inserted.  Adjust values and click Apply to fix.")},
    {K::BlockUpgraded, "blockUpgraded",
     KELVANE_TEXT("CoreText", "Older comment block turned into a version %1 block.  Click Apply "
                              "to save it.")},
    {K::CannotInsert, "cannotInsert",
     KELVANE_TEXT("CoreText", "Comment block cannot be inserted: the comment header does not "
                              "fit on page %1.")},
    {K::BlockOffPage2, "blockOffPage2",
     KELVANE_TEXT("CoreText", "Comment block does not lie on page %1; the file cannot be edited.")},
    {K::OlderBlockTooLong, "olderBlockTooLong",
     KELVANE_TEXT("CoreText", "Older comment block longer than a version %1 block; it is left "
                              "as it is.")},
    {K::CouldNotOpen, "couldNotOpen", KELVANE_TEXT("CoreText", "Could not open file for reading.")},
    {K::CouldNotScan, "couldNotScan", KELVANE_TEXT("CoreText", "Could not scan file for reading.")},
    {K::ReadProblem, "readProblem",
     KELVANE_TEXT("CoreText", "A problem occurred opening or reading file %1")},

    {K::WriteProblem, "writeProblem",
     KELVANE_TEXT("CoreText", " Problem creating/writing updated file %1")},
    {K::ChangedOnDisk, "changedOnDisk",
     KELVANE_TEXT("CoreText", " %1 changed on disk after it was loaded; nothing was written.")},
    {K::InUse, "inUse",
     KELVANE_TEXT("CoreText", " %1 is open in another program; nothing was written. Close it "
                              "there and save again.")},
    {K::BackupFailed, "backupFailed",
     KELVANE_TEXT("CoreText", " Backup %1 (%2) could not be made; nothing was written.")},

    {K::StateOk, "ok", KELVANE_TEXT("CoreText", "ok")},
    {K::StateBadChecksum, "badChecksum", KELVANE_TEXT("CoreText", "bad checksum")},
    {K::StateNoBlock, "noBlock", KELVANE_TEXT("CoreText", "no block")},
    {K::StateOlderBlock, "olderBlock", KELVANE_TEXT("CoreText", "older block, version %1")},
    {K::StateOverLimit, "overLimit", KELVANE_TEXT("CoreText", "over %1 MiB, view only")},
    {K::StateStopsGame, "stopsGame", KELVANE_TEXT("CoreText", "stops the game")},
    {K::StateRefused, "refused", KELVANE_TEXT("CoreText", "refused: %1")},
    {K::StateViewOnly, "viewOnly", KELVANE_TEXT("CoreText", "view only: %1")},
    {K::StateAndStopsGame, "andStopsGame", KELVANE_TEXT("CoreText", "%1, stops the game")},
    {K::FolderUnreadable, "folderUnreadable",
     KELVANE_TEXT("CoreText", "the folder cannot be read (%1)")},
    {K::NameNotUtf8, "nameNotUtf8",
     KELVANE_TEXT("CoreText", "the name is not valid UTF-8, so it cannot be opened; rename it to "
                              "include it")},
    {K::FolderLoop, "folderLoop",
     KELVANE_TEXT("CoreText", "a link to a folder listed already, not listed again")},

    {K::ChangedSinceListed, "changedSinceListed",
     KELVANE_TEXT("CoreText", "changed on disk since it was listed; not written")},
    {K::Unchanged, "unchanged", KELVANE_TEXT("CoreText", "unchanged")},
    {K::LargerThanLimit, "largerThanLimit",
     KELVANE_TEXT("CoreText", "larger than %1 MiB: shown, never written")},
    {K::WithReason, "withReason", "%1 (%2)", false},
    {K::List, "list", "", false},
    {K::NotWritten, "notWritten", KELVANE_TEXT("CoreText", "Not written: %1")},
    {K::ChangeBlockInserted, "blockInserted", "block inserted", false},
    {K::ChangeOlderUpgraded, "olderBlockUpgraded", "older block of version %1 upgraded", false},
    {K::ChangeChecksumRepaired, "checksumRepaired", "checksum repaired", false},
    {K::ChangeType, "type", "type %1 -> %2", false},
    {K::ChangeNumber, "number", "%1 %2 -> %3", false},
    // A refused edit's reason: the command line's, and the table's when a typed cell is refused.
    {K::BreachVolume, "volumeOutOfRange",
     KELVANE_TEXT("CoreText", "volume %1 is out of range 0.0 to 2.0")},
    {K::BreachMinDist, "minimumBelowZero",
     KELVANE_TEXT("CoreText", "minimum distance %1 is below 0")},
    {K::BreachMaxBelowMin, "maximumBelowMinimum",
     KELVANE_TEXT("CoreText", "maximum distance %1 is below minimum distance %2")},
    {K::BreachMaxAIDist, "aiBelowZero",
     KELVANE_TEXT("CoreText", "maximum AI distance %1 is below 0")},

    {K::WarnMaxDistance, "maxDistance",
     KELVANE_TEXT("CoreText",
                  "maximum distance below %1: the game stops with \"Invalid max distance\"")},
    {K::WarnMaxAIDistance, "maxAIDistance",
     KELVANE_TEXT("CoreText", "maximum AI distance below %1: the game stops with \"Invalid max "
                              "distance\"")},
    {K::WarnUnlistedType, "unlistedType",
     KELVANE_TEXT("CoreText", "type code %1 is not in the list: it shows as undefined, and "
                              "saving in the window writes undefined")},
    {K::WarnOlderBlock, "olderBlock",
     KELVANE_TEXT("CoreText", "older block of version %1, which the game still reads")},
    {K::WarnNotABlock, "notABlock",
     KELVANE_TEXT("CoreText", "the first comment is not an attribute block (the game plays the "
                              "sound with its defaults: minimum 1, maximum 300, volume 1, AI "
                              "300, type 0)")},
    {K::WarnNoBlock, "noBlock",
     KELVANE_TEXT("CoreText", "no attribute block (the game plays the sound with its defaults: "
                              "minimum 1, maximum 300, volume 1, AI 300, type 0)")},
    {K::WarnShortBlock, "shortBlock",
     KELVANE_TEXT("CoreText", "the first comment starts with version %1 but holds only %2 bytes: "
                              "the game reads past its end, and may stop")},
    {K::WarnSampleRate, "sampleRate",
     KELVANE_TEXT("CoreText", "sample rate %1 Hz: the stock games load only %2 Hz")},
    {K::WarnBadChecksum, "badChecksum",
     KELVANE_TEXT("CoreText", "the page %1 checksum is wrong: the game's decoder cannot open the "
                              "file until it is repaired")},
    {K::WarnIdentificationHeader, "identificationHeader",
     KELVANE_TEXT("CoreText", "the identification header breaks the decoder's rules: the game "
                              "cannot open the file")},
    {K::WarnEndsInHeaders, "endsInHeaders",
     KELVANE_TEXT("CoreText", "the file ends inside its headers: the game cannot open it")},
    {K::WarnCommentOverrun, "commentOverrun",
     KELVANE_TEXT("CoreText", "a length or count in the comment header runs past its end: the "
                              "game cannot open the file")},
    {K::WarnNoStreamStart, "noStreamStart",
     KELVANE_TEXT("CoreText", "page 1 is not marked as the start of the stream: the game cannot "
                              "open the file")},
    {K::WarnOtherStream, "otherStream",
     KELVANE_TEXT("CoreText", "page 2 belongs to another stream (its serial number differs): the "
                              "game cannot open the file")},
    {K::WarnOutOfSequence, "outOfSequence",
     KELVANE_TEXT("CoreText", "page 2 does not follow page 1 in sequence: the game cannot open "
                              "the file")},
    {K::WarnContinuedPacket, "continuedPacket",
     KELVANE_TEXT("CoreText", "page 2 is marked as continuing a packet, which loses the comment "
                              "header: the game cannot open the file")},
    {K::WarnChannels, "channels",
     KELVANE_TEXT("CoreText", "%1 channels: the first game plays only mono sounds; the later "
                              "games play stereo only as sounds in the player's head")},
    {K::WarnAIBeyondMax, "aiBeyondMax",
     KELVANE_TEXT("CoreText", "AI distance %1 is beyond the maximum distance %2: NPCs hear what "
                              "the player cannot")},
    {K::WarnLoudAtMax, "loudAtMax",
     KELVANE_TEXT("CoreText",
                  "%1 dB at the maximum distance: the sound is heard to cut off there")},
    {K::WarnRangeUnknown, "rangeUnknown",
     KELVANE_TEXT("CoreText", "minimum distance %1 and maximum distance %2 are no range: how far "
                              "the sound carries cannot be told")},

    {K::RuleVolume, "volumeRule",
     KELVANE_TEXT("CoreText", " Must be valid floating point value from %1 to %2")},
    {K::RuleMaxDist, "maximumRule",
     KELVANE_TEXT("CoreText", " Number value must be equal to or greater than minimum")},
    {K::RuleAtLeast, "atLeastRule",
     KELVANE_TEXT("CoreText", " Number value must be equal to or greater than %1")},

    {K::SystemReason, "system", "%1", false},
    {K::FileEndedEarly, "fileEndedEarly",
     KELVANE_TEXT("CoreText", "the file ended before its size")},
    {K::ChangedWhileRead, "changedWhileRead",
     KELVANE_TEXT("CoreText", "the file changed while it was read")},
    {K::NoMemory, "noMemory", KELVANE_TEXT("CoreText", "not enough memory")},
    {K::FolderNotFlushed, "folderNotFlushed",
     KELVANE_TEXT("CoreText", "the folder could not be flushed to the disk")},
    {K::OwnerAndGroupNotKept, "ownerAndGroupNotKept",
     KELVANE_TEXT("CoreText", "its owner and group could not be kept")},
    {K::OwnerNotKept, "ownerNotKept", KELVANE_TEXT("CoreText", "its owner could not be kept")},
    {K::ExtendedAttributesNotKept, "extendedAttributesNotKept",
     KELVANE_TEXT("CoreText", "some of its extended attributes could not be kept")},
    {K::PermissionsNotKept, "permissionsNotKept",
     KELVANE_TEXT("CoreText", "its permissions could not be kept")},
    {K::AttributesNotKept, "attributesNotKept",
     KELVANE_TEXT("CoreText", "its attributes could not be kept")},
    {K::DanglingLink, "danglingLink",
     KELVANE_TEXT("CoreText", "the symbolic link points at nothing")},
    {K::CannotBeWritten, "cannotBeWritten",
     KELVANE_TEXT("CoreText", "the sound cannot be written")},
    {K::NotRegularFile, "notRegularFile", KELVANE_TEXT("CoreText", "not a regular file")},
    {K::BackupNameTaken, "backupNameTaken",
     KELVANE_TEXT("CoreText", "no backup: %1 is not a regular file")},
    {K::OtherHardLinkKeeps, "otherHardLinks",
     KELVANE_TEXT("CoreText", "%1 other hard link to %2 keeps the old sound")},
    {K::OtherHardLinksKeep, "otherHardLinks",
     KELVANE_TEXT("CoreText", "%1 other hard links to %2 keep the old sound")},
    {K::BackupLeft, "backupLeft",
     KELVANE_TEXT("CoreText", "%1; the backup it made could not be removed")},
    {K::ReplacedLeft, "oldSoundLeft",
     KELVANE_TEXT("CoreText", "the old sound could not be removed and stays as %1")},
    {K::PagesUnreadable, "pagesUnreadable", "cannot read every page: %1", false},
    {K::ChangedWhilePagesRead, "changedWhilePagesRead",
     "the file changed while its pages were read", false},

    {K::NotRestored, "notRestored", KELVANE_TEXT("CoreText", "not restored")},
    {K::NotRestoredBackupNotRegular, "backupNotRegular",
     KELVANE_TEXT("CoreText", "not restored: the backup is not a regular file")},
    {K::NotRestoredNewerTaken, "newerTaken",
     KELVANE_TEXT("CoreText", "not restored: its .newer name is taken; move that file away first")},
    {K::NotRestoredNotFlushed, "notFlushed",
     KELVANE_TEXT("CoreText", "not restored: the disk could not be flushed")},
    {K::ChangedSinceRead, "changedSinceRead",
     KELVANE_TEXT("CoreText", "changed on disk since it was read; not restored")},
    {K::RestoreUnfinished, "restoreUnfinished",
     KELVANE_TEXT("CoreText", "not finished: the backup is in place, but its .bak name could "
                              "not be removed; restore again to finish")},
    {K::CleanNotASound, "notASound", "not an Ogg sound: the files beside it are not its backups",
     false},
    {K::CleanLinkSkipped, "symbolicLink",
     "a symbolic link: the backups beside the file it leads to are cleaned there", false},
    {K::SourceNotAudio, "notAudio",
     KELVANE_TEXT("CoreText", "not a sound this program reads (%1)")},
    {K::SourceUnreadable, "unreadable",
     KELVANE_TEXT("CoreText", "the sound cannot be read to its end (%1)")},
    {K::SourceEmpty, "noSamples", KELVANE_TEXT("CoreText", "the sound holds no samples")},
    {K::SourceTooManyChannels, "tooManyChannels",
     KELVANE_TEXT("CoreText", "the sound has %1 channels; the game plays 1 or 2 (mix it down to "
                              "mono)")},
    {K::SourceTooLong, "tooLong", KELVANE_TEXT("CoreText", "longer than an hour")},
    {K::SourceIsTarget, "sourceIsTarget",
     KELVANE_TEXT("CoreText", "the source is the file to be written; choose another name")},
    {K::AlreadyThere, "alreadyThere", KELVANE_TEXT("CoreText", "kept, already there")},
    {K::AlreadyGameReady, "alreadyGameReady",
     KELVANE_TEXT("CoreText", "left as it is: at 44100 Hz already, with the channels asked for")},
    {K::ArchiveTruncated, "archiveTruncated",
     KELVANE_TEXT("CoreText", "the archive is cut short: it ends inside a chunk's header")},
    {K::ArchiveChunkPastEnd, "chunkPastEnd",
     KELVANE_TEXT("CoreText", "the archive is cut short: a chunk runs past its end")},
    {K::ArchiveNoFileList, "noFileList",
     KELVANE_TEXT("CoreText", "not a game archive: it holds no file list")},
    {K::ArchiveListDamaged, "listDamaged",
     KELVANE_TEXT("CoreText", "the archive's file list is damaged")},
    {K::ArchiveNoKey, "noKey",
     KELVANE_TEXT("CoreText", "the archive's file list is encrypted with a key this program does "
                              "not know")},
    {K::ArchiveUnreadable, "archiveUnreadable",
     KELVANE_TEXT("CoreText", "the archive cannot be read")},
    {K::ArchiveNotLoaded, "archiveNotLoaded",
     KELVANE_TEXT("CoreText", "left out: the game does not load this archive (auto_load = false)")},
    {K::EntryPastEnd, "entryPastEnd",
     KELVANE_TEXT("CoreText", "left out: its bytes run past the archive's end")},
    {K::EntryNameNotText, "entryNameNotText",
     KELVANE_TEXT("CoreText", "left out: its name is not Windows-1251 text")},
    {K::EntryLeavesFolder, "entryLeavesFolder",
     KELVANE_TEXT("CoreText", "left out: its name leads out of the folder (absolute, or with ..)")},
    {K::EntryPacked, "packed", KELVANE_TEXT("CoreText", "compressed, not a sound")},
    {K::NotInArchive, "notInArchive", KELVANE_TEXT("CoreText", "the archive holds no such file")},
    {K::InsideArchive, "insideArchive",
     KELVANE_TEXT("CoreText", "inside the archive %1: read-only; extract it to change it")},
};

// The rows stand in the order of the kinds they are looked up by.
static_assert([] {
    std::size_t i = 0;
    for (const MessageText &row : kTexts)
        if (row.kind != static_cast<MessageKind>(i++))
            return false;
    return i == static_cast<std::size_t>(kLastMessageKind) + 1;
}());

const MessageText &rowOf(MessageKind kind)
{
    return kTexts[static_cast<std::size_t>(kind)];
}

std::string trimmed(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string_view englishTemplate(MessageKind kind)
{
    return rowOf(kind).english;
}

bool isTranslated(MessageKind kind)
{
    return rowOf(kind).translated;
}

bool trimsParts(MessageKind kind)
{
    return kind == MessageKind::StateRefused || kind == MessageKind::StateViewOnly ||
           kind == MessageKind::NotWritten;
}

std::string_view messageKey(MessageKind kind)
{
    return rowOf(kind).key;
}

std::string englishText(const Message &message)
{
    if (message.kind == MessageKind::List) {
        std::string joined;
        for (const Message &part : message.parts)
            joined += (joined.empty() ? "" : ", ") + englishText(part);
        return joined;
    }
    return fillTemplate(englishTemplate(message.kind), [&](std::size_t n) -> std::string {
        if (n <= message.args.size())
            return message.args[n - 1];
        const std::size_t part = n - message.args.size() - 1;
        if (part >= message.parts.size())
            return {};
        const std::string text = englishText(message.parts[part]);
        return trimsParts(message.kind) ? trimmed(text) : text;
    });
}

} // namespace kelvane
