#pragma once

#include "message.h"

#include <functional>

#include <QHash>
#include <QString>
#include <QStringList>

namespace kelvane {

struct UnreadFolder
{
    QString path;
    Message reason; // the system's
};

struct SoundCollection
{
    QStringList files;              // in the order given; a folder's sounds sorted by path
    QStringList missing;            // paths that name nothing
    QStringList undecodable;        // sounds or folders whose names are not valid UTF-8, escaped
    QList<UnreadFolder> unreadable; // folders that could not be listed
    QStringList loops;              // links to a folder already being listed, not entered again
    QStringList orphans;            // "x.ogg.bak" and "x.ogg.newer" files with no x.ogg beside
    // Archives that cannot be read, and their entries left out, each with why.
    QList<UnreadFolder> unreadArchived;
    QStringList notLoaded; // a game folder's archives the game does not load
    // A game folder's sounds: the path each has below the game's data folder, by its path
    // "archive/inside", which says where it lies.
    QHash<QString, QString> stockPaths;
};

enum class FolderLinks
{
    Skip,   // a link to a folder is not entered (a script's run stays inside the tree it names)
    Follow, // entered, unless the folder it leads to is listed already
};

enum class Gathered
{
    Sounds,  // .ogg files
    Sources, // what a game sound is made from: .wav, .aif(f/c), .flac, .ogg, .oga
};

// Which sounds of an archive or a game folder are listed, by their path below the folder or
// archive named (a game folder's: below its data folder); empty, all of them. A game holds tens
// of thousands: those a command leaves out are never made into paths.
using PathFilter = std::function<bool(const QString &pathBelow)>;

// Expands the paths: a file stays as it is, a folder gives its .ogg files (any letter case,
// as the window lists them; hidden ones left out), with `recursive` those of its sub-folders
// too. A game archive, a folder inside one ("sounds.db/sounds/weapons") and a game folder (one
// with fsgame.ltx: its archives as the game mounts them) give their sounds as folders do. Names
// that cannot be turned into text and back are reported, never silently dropped.
[[nodiscard]] SoundCollection collectSounds(const QStringList &paths, bool recursive,
                                            FolderLinks links = FolderLinks::Skip,
                                            Gathered gathered = Gathered::Sounds,
                                            const PathFilter &wanted = {});

// Whether a file name (any letter case) is one a game sound is made from.
[[nodiscard]] bool isSourceName(const QString &name);

} // namespace kelvane
