#include "sound_collection.h"

#include "file_identity.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace kelvane {

namespace {

bool isSoundName(const QByteArray &name)
{
    return name.size() > 4 && name.right(4).toLower() == ".ogg";
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
    Collector(bool recursive, FolderLinks links, SoundCollection &found)
        : recursive_(recursive)
        , links_(links)
        , found_(found)
    {}

    // Adds the sounds of `folder` (and, when recursive, of its sub-folders) to `sounds`.
    void collect(const QByteArray &folder, QStringList &sounds)
    {
        struct stat self
        {};
        if (::stat(folder.constData(), &self) != 0) {
            // Deeper than the system lets a path name (or gone meanwhile): said, never skipped.
            if (errno != ENOENT)
                found_.unreadable << UnreadFolder{QFile::decodeName(folder), systemReason(errno)};
            return;
        }
        // Each folder is listed once: a link to one listed already, above or beside, would list
        // its sounds twice or, below itself, without end.
        if (!listed_.insert({self.st_dev, self.st_ino}).second) {
            found_.loops << QFile::decodeName(folder);
            return;
        }
        std::vector<QByteArray> folders; // real folders first, then links to folders
        std::vector<QByteArray> linked;
        {
            const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.constData()),
                                                           ::closedir);
            if (!dir) {
                found_.unreadable << UnreadFolder{QFile::decodeName(folder), systemReason(errno)};
                return;
            }
            while (const dirent *entry = ::readdir(dir.get()))
                take(folder, QByteArray(entry->d_name), entry->d_type, sounds, folders, linked);
        }
        std::sort(folders.begin(), folders.end());
        std::sort(linked.begin(), linked.end());
        for (const QByteArray &path : folders)
            collect(path, sounds);
        for (const QByteArray &path : linked)
            collect(path, sounds);
    }

private:
    void take(const QByteArray &folder, const QByteArray &name, unsigned char kind,
              QStringList &sounds, std::vector<QByteArray> &folders,
              std::vector<QByteArray> &linked)
    {
        if (name.startsWith('.'))
            return;
        const QByteArray path = folder.endsWith('/') ? folder + name : folder + '/' + name;
        struct stat info
        {};
        bool isFolder = kind == DT_DIR;
        if (kind == DT_UNKNOWN)
            isFolder = ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
        else if (kind == DT_LNK && links_ == FolderLinks::Follow)
            isFolder = ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
        const bool wanted = isFolder ? recursive_ : isSoundName(name);
        if (!wanted)
            return;
        const QString text = QFile::decodeName(path);
        if (QFile::encodeName(text) != path) {
            found_.undecodable << escaped(path);
            return;
        }
        if (isFolder)
            (kind == DT_LNK ? linked : folders).push_back(path);
        else if (::stat(path.constData(), &info) == 0 ? S_ISREG(info.st_mode) : errno != ENOENT)
            sounds << text; // links to sounds are sounds; one that cannot be looked at fails
                            // when it is read, with the system's reason
    }

    bool recursive_;
    FolderLinks links_;
    SoundCollection &found_;
    std::set<std::pair<dev_t, ino_t>> listed_; // every folder listed so far
};

} // namespace

SoundCollection collectSounds(const QStringList &paths, bool recursive, FolderLinks links)
{
    SoundCollection found;
    Collector collector(recursive, links, found);
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.exists()) {
            found.missing << path;
        } else if (!info.isDir()) {
            found.files << path;
        } else {
            QStringList sounds;
            collector.collect(QFile::encodeName(path), sounds);
            std::sort(sounds.begin(), sounds.end(), [](const QString &a, const QString &b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            found.files << sounds;
        }
    }
    return found;
}

} // namespace kelvane
