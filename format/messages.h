#pragma once

#include <string_view>

// The texts the core reports, shared by every front end and by the tests.
namespace kelvane::msg {

inline constexpr std::string_view kLargeFile = "Large file, reading just headers.";
inline constexpr std::string_view kNotOgg = "Not an Ogg file.";
inline constexpr std::string_view kNotValidOgg = "Not a valid Ogg sound file.";
inline constexpr std::string_view kNoSegments =
    "Not a valid Ogg sound file; no comment page segments.";
inline constexpr std::string_view kEndsTooEarly = "Not a valid Ogg sound file; it ends too early.";
inline constexpr std::string_view kBadHeaderChar = " Invalid Ogg Vorbis comment header char: 0x";
inline constexpr std::string_view kBadCrc = "File has a bad CRC checksum. Click Apply to fix.";
inline constexpr std::string_view kNotGscSoundPrefix = " File size > ";
inline constexpr std::string_view kNotGscSoundSuffix =
    " bytes; not a GSC sound - it cannot be viewed/edited.";
inline constexpr std::string_view kBlockInserted =
    "Comment block inserted.  Adjust values and click Apply to fix.";
inline constexpr std::string_view kBlockUpgraded =
    "Older comment block turned into a version 3 block.  Click Apply to save it.";
inline constexpr std::string_view kCannotInsert =
    "Comment block cannot be inserted: the comment header does not fit on page 2.";
inline constexpr std::string_view kOlderBlockTooLong =
    "Older comment block longer than a version 3 block; it is left as it is.";
inline constexpr std::string_view kBlockOffPage2 =
    "Comment block does not lie on page 2; the file cannot be edited.";
inline constexpr std::string_view kInsertedLacingByte = "  ** Inserted new segment lacing byte **";

inline constexpr std::string_view kCouldNotOpen = "Could not open file for reading.";
inline constexpr std::string_view kCouldNotScan = "Could not scan file for reading.";
inline constexpr std::string_view kReadProblem = "A problem occurred opening or reading file ";
inline constexpr std::string_view kWriteProblem = " Problem creating/writing updated file ";
// After " " and the file's name.
inline constexpr std::string_view kChangedOnDisk =
    " changed on disk after it was loaded; nothing was written.";
// After " " and the file's name: the game or another program holds it open (Windows).
inline constexpr std::string_view kInUse =
    " is open in another program; nothing was written. Close it there and save again.";
// What the window adds to it: how to load the file again.
inline constexpr std::string_view kReloadHint =
    " Ctrl-click Select Drive/Directory to reload it.";
// Around the backup's name and the system's reason in brackets.
inline constexpr std::string_view kBackupFailedPrefix = " Backup ";
inline constexpr std::string_view kBackupFailedSuffix = " could not be made; nothing was written.";

} // namespace kelvane::msg
