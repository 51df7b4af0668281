#pragma once

#include "background_job.h"
#include "file_identity.h"
#include "game_rules.h"
#include "message.h"
#include "sound_attributes.h"

#include <optional>

#include <QString>
#include <QStringList>

namespace kelvane {

// What a sound table row says of a sound, in the order the state column sorts.
enum class SoundState
{
    Ok,
    BadChecksum,
    NoBlock,
    OlderBlock,
    ViewOnly,
    Refused,
};

// One sound of a folder tree, as the sound table lists it.
struct ScannedSound
{
    QString path; // relative to the folder scanned, "/" between folders
    // A sound inside a game archive: the archive, relative to the folder scanned; such a sound
    // is never written. Empty for a sound of its own on disk.
    QString archive;
    // A game folder's sound: its path below the game's data folder, which pairs it with a
    // mod's sound. Empty elsewhere.
    QString stockPath;
    SoundState state = SoundState::Refused;
    Message stateText; // the whole reason: "refused: ...", "older block, version 2"
    // What the game reads: the block, or an older block's values; empty when it reads none.
    std::optional<SoundAttributes> attrs;
    std::uint32_t sampleRate = 0;
    unsigned channels = 0;
    std::optional<double> seconds;
    std::vector<Message> warnings; // what the game rejects or handles badly
    // The game stops on it (a value it refuses, a file its decoder cannot open); the warnings
    // that say why come first.
    bool stopsGame = false;
    // The file as it was read: a later write checks that it is still that file.
    std::optional<FileIdentity> identity;
    SoundFacts facts; // what the game rules judged
};

// Judges `row.facts` by the game's rules: the warnings, those the game stops on first.
void judge(ScannedSound &row);

// Reads the first pages of `folder`/`relative` and says what the sound table shows of it.
[[nodiscard]] ScannedSound scanSound(const QString &folder, const QString &relative);

// Lists every sound of a folder and its sub-folders (hidden entries left out, links to folders
// followed, each folder listed once) and reads each on `jobs` threads. Folders that cannot be
// listed, names that cannot be opened and loops come as refused rows.
class SoundScan final : public BackgroundJob<ScannedSound>
{
public:
    SoundScan(QString folder, int jobs);
    ~SoundScan() override;

    [[nodiscard]] const QString &folder() const { return folder_; }
    // The ".bak" and ".newer" files with no sound beside them, relative to the folder; known
    // once the work has finished.
    [[nodiscard]] const QStringList &orphans() const { return orphans_; }

private:
    void run();

    QString folder_;
    QStringList orphans_;
    int jobs_;
};

} // namespace kelvane
