#include "sound_collection.h"

#include "archive_collection.h"
#include "file_identity.h"
#include "file_system.h"
#include "folder_listing.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include <QFileInfo>

namespace kelvane {

namespace {

bool isSoundBytes(const QByteArray &name)
{
    return isSoundName(std::string_view(name.constData(), std::size_t(name.size())));
}

} // namespace

bool isSourceName(const QString &name)
{
    static const QStringList kEndings{".wav",  ".wave", ".aif", ".aiff",
                                      ".aifc", ".flac", ".ogg", ".oga"};
    for (const QString &ending : kEndings)
        if (name.size() > ending.size() && name.endsWith(ending, Qt::CaseInsensitive))
            return true;
    return false;
}

namespace {

// The sound's name of "x.ogg.bak" or "x.ogg.newer" (any letter case of ".ogg").
std::optional<QByteArray> backupOf(const QByteArray &name)
{
    if (name.startsWith('.'))
        return std::nullopt; // hidden, as a hidden sound is
    for (const char *suffix : {".bak", ".newer"}) {
        if (!name.endsWith(suffix))
            continue;
        const QByteArray sound = name.chopped(qsizetype(std::strlen(suffix)));
        if (isSoundBytes(sound))
            return sound;
    }
    return std::nullopt;
}

// The name as text with every byte that is not printable ASCII written as \xNN.
QString escaped(const QByteArray &path)
{
    QString text;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

class Collector
{
public:
    Collector(bool recursive, FolderLinks links, Gathered gathered, SoundCollection &found)
        : recursive_(recursive)
        , links_(links)
        , gathered_(gathered)
        , found_(found)
    {}

    // Adds the sounds of `folder` (and, when recursive, of its sub-folders) to `sounds`.
    void collect(const QByteArray &folder, QStringList &sounds)
    {
        const QString folderText = fs::pathText(folder);
        int error = 0;
        const auto self = fs::factsOf(folderText, fs::Links::Follow, error);
        if (!self) {
            // Deeper than the system lets a path name (or gone meanwhile): said, never skipped.
            if (error != ENOENT)
                found_.unreadable << UnreadFolder{folderText, systemReason(error)};
            return;
        }
        // Each folder is listed once: a link to one listed already, above or beside, would list
        // its sounds twice or, below itself, without end.
        if (!listed_.insert({self->identity.device, self->identity.inode}).second) {
            found_.loops << folderText;
            return;
        }
        std::vector<QByteArray> folders; // real folders first, then links to folders
        std::vector<QByteArray> linked;
        std::set<QByteArray> names;
        std::vector<QByteArray> backups;
        const bool read = fs::forEachEntry(
            folderText,
            [&](std::string_view name, fs::EntryKind kind) {
                const QByteArray entry(name.data(), qsizetype(name.size()));
                names.insert(entry);
                if (kind == fs::EntryKind::File && backupOf(entry))
                    backups.push_back(entry);
                take(folder, entry, kind, sounds, folders, linked);
            },
            error);
        if (!read) {
            found_.unreadable << UnreadFolder{folderText, systemReason(error)};
            return;
        }
        // A backup whose sound is gone would ship with the mod unseen.
        for (const QByteArray &backup : backups)
            if (!names.count(*backupOf(backup)))
                found_.orphans << fs::pathText(folder.endsWith('/') ? folder + backup
                                                                    : folder + '/' + backup);
        std::sort(folders.begin(), folders.end());
        std::sort(linked.begin(), linked.end());
        for (const QByteArray &path : folders)
            collect(path, sounds);
        for (const QByteArray &path : linked)
            collect(path, sounds);
    }

private:
    void take(const QByteArray &folder, const QByteArray &name, fs::EntryKind kind,
              QStringList &sounds, std::vector<QByteArray> &folders,
              std::vector<QByteArray> &linked)
    {
        if (name.startsWith('.'))
            return;
        const QByteArray path = folder.endsWith('/') ? folder + name : folder + '/' + name;
        const QString text = fs::pathText(path);
        int error = 0;
        bool isFolder = kind == fs::EntryKind::Folder;
        if (kind == fs::EntryKind::Unknown) {
            const auto facts = fs::factsOf(text, fs::Links::Keep, error);
            isFolder = facts && facts->kind == fs::EntryKind::Folder;
        } else if (kind == fs::EntryKind::Link && links_ == FolderLinks::Follow) {
            const auto facts = fs::factsOf(text, fs::Links::Follow, error);
            isFolder = facts && facts->kind == fs::EntryKind::Folder;
        }
        const bool wanted = isFolder                        ? recursive_
                            : gathered_ == Gathered::Sounds ? isSoundBytes(name)
                                                            : isSourceName(text);
        if (!wanted)
            return;
        if (fs::pathBytes(text) != path) {
            found_.undecodable << escaped(path);
            return;
        }
        if (isFolder) {
            (kind == fs::EntryKind::Link ? linked : folders).push_back(path);
        } else if (const auto facts = fs::factsOf(text, fs::Links::Follow, error);
                   facts ? facts->kind == fs::EntryKind::File : error != ENOENT) {
            sounds << text; // links to sounds are sounds; one that cannot be looked at fails
                            // when it is read, with the system's reason
        }
    }

    bool recursive_;
    FolderLinks links_;
    Gathered gathered_;
    SoundCollection &found_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> listed_; // every folder listed so far
};

} // namespace

SoundCollection collectSounds(const QStringList &paths, bool recursive, FolderLinks links,
                              Gathered gathered, const PathFilter &wanted)
{
    SoundCollection found;
    Collector collector(recursive, links, gathered, found);
    for (const QString &path : paths) {
        // One look, whose failure is said: a path the system cannot look at is neither a sound
        // nor missing.
        int error = 0;
        const auto facts = fs::factsOf(path, fs::Links::Follow, error);
        const ArchivedKind archived =
            gathered != Gathered::Sounds || (!facts && error != ENOENT && error != ENOTDIR)
                ? ArchivedKind::None
                : archivedKindOf(path, facts && facts->kind == fs::EntryKind::File,
                                 facts && facts->kind == fs::EntryKind::Folder);
        if (archived != ArchivedKind::None) {
            collectArchived(path, archived, recursive, wanted, found);
        } else if (!facts && error != ENOENT && error != ENOTDIR) {
            found.unreadable << UnreadFolder{path, systemReason(error)};
        } else if (!facts) {
            // The system gave bytes that are not UTF-8 and Qt decoded them with replacement
            // characters: the name cannot be opened, which is not the same as no such file.
            (path.contains(QChar::ReplacementCharacter) ? found.undecodable : found.missing)
                << path;
        } else if (facts->kind != fs::EntryKind::Folder) {
            found.files << path;
        } else {
            QStringList sounds;
            collector.collect(fs::pathBytes(path), sounds);
            std::sort(sounds.begin(), sounds.end(), [](const QString &a, const QString &b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            found.files << sounds;
        }
    }
    return found;
}

} // namespace kelvane
