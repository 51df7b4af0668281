#pragma once

#include "change_tracking.h"
#include "file_identity.h"
#include "file_image.h"
#include "game_rules.h"
#include "sound_attributes.h"
#include "sound_reader.h"
#include "sound_writer.h"

#include <memory>
#include <optional>
#include <vector>

#include <QString>

namespace kelvane {

// One sound loaded to be edited: its image and identity, the four copies of its block (as the
// file holds it, as shown, as last saved, as copied), whether changes are pending and which of
// Apply, Revert, Copy and Paste may be used. A front end shows what it says and hands it the
// values its controls hold; it decides nothing of its own about changes.
class EditSession
{
public:
    // What loading found: the inspection to show, or why nothing could be read.
    struct Loaded
    {
        bool read = false;        // false: nothing was read, `failure` says why
        Message failure;          // why nothing could be read
        bool headersOnly = false; // a large file of which only the headers were read
        Inspection found;
        QString archive = {}; // the game archive that holds the sound: shown, never written
    };
    // What Apply does with the values the controls hold (empty: one did not validate).
    enum class ApplyStep
    {
        Invalid,        // a value did not validate: nothing happens
        NothingChanged, // the values are the saved ones: nothing is written
        Write,          // write them: call write(), then notWritten() if it does not happen
    };
    // Whether leaving the sound must first ask "Save changes first?".
    enum class Question
    {
        None,    // nothing to offer: leave
        Invalid, // a value did not validate: stay, the front end says which
        Ask,     // ask; on Yes write(), and stay when it fails
    };

    EditSession();

    // Reads and inspects the sound at `path` (relative to the working directory or absolute);
    // messages end with `shownName`. Whatever was loaded before is dropped.
    Loaded load(const QString &path, const QString &shownName);
    // Back to the no-file state: no block shown, nothing pending.
    void clear();
    // Drops the loaded image.
    void unload();

    // The user changed one of the five controls.
    void userChanged();
    // Copy: the values the controls hold, or nothing when one did not validate.
    void copy(const std::optional<SoundAttributes> &shown);
    // Paste and Revert: the block to put into the controls.
    [[nodiscard]] const SoundAttributes &paste();
    [[nodiscard]] const SoundAttributes &revert();
    ApplyStep apply(const std::optional<SoundAttributes> &shown);
    // Before the sound is left: `shown` is read only when there are changes to offer.
    [[nodiscard]] bool hasChangesToOffer() const;
    Question question(const std::optional<SoundAttributes> &shown);

    // Writes the shown block to `target`; the loaded file is replaced only while it is still
    // the file that was loaded. On success the block counts as saved.
    SaveResult write(const QString &target, const QString &shownName, Backup backup);
    // Save-as cancelled or the write failed: the edits stay pending.
    void notWritten();
    // The loaded image inspected again, as the file now on disk after a save.
    Inspection inspectSaved();

    [[nodiscard]] const Tracking &tracking() const { return tracking_; }
    [[nodiscard]] bool dataChanged() const { return tracking_.dataChanged; }
    // A block is shown and may be written back: the file was read whole and its block lies
    // on page 2.
    [[nodiscard]] bool canSave() const;
    [[nodiscard]] bool blockShown() const { return blockShown_; }
    [[nodiscard]] const SoundAttributes &shown() const { return editAttrs_; }
    [[nodiscard]] const FileImage *image() const { return image_.get(); }
    // The sound lies inside a game archive: nothing about it may be written.
    [[nodiscard]] bool archived() const { return !archive_.isEmpty(); }
    [[nodiscard]] const std::optional<SoundFacts> &facts() const { return facts_; }
    // The loaded sound as a decoder should read it: a wrong page 2 checksum, which any decoder
    // refuses, is what Apply repairs, so the sound is heard with it repaired.
    [[nodiscard]] std::vector<std::uint8_t> playableBytes() const;
    // How long the loaded sound plays, from its last page; empty when the file does not tell.
    [[nodiscard]] std::optional<double> seconds() const;

private:
    void show(const SoundAttributes &attrs);
    void track(ChangeEvent event);

    std::unique_ptr<FileImage> image_;
    QString path_;
    std::uint32_t sampleRate_ = 0;
    FileIdentity loadedAs_;
    QString archive_;
    std::optional<SoundFacts> facts_; // what the game reads of the loaded file
    SoundAttributes fileAttrs_{};
    SoundAttributes editAttrs_{};
    SoundAttributes savedAttrs_{};
    SoundAttributes copiedAttrs_{};
    bool copyValid_ = false;  // the last Copy validated, so Paste may offer it
    bool blockShown_ = false; // a block is in the controls (found, inserted or pasted)
    Tracking tracking_;
};

} // namespace kelvane
