#include "archive_collection.h"
#include "backup_restore.h"
#include "commands.h"
#include "file_system.h"
#include "name_pattern.h"
#include "parallel_for.h"
#include "relative_path.h"
#include "save_batch.h"
#include "sound_collection.h"
#include "staged_save.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <map>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <unistd.h>

namespace kelvane::cli {

namespace {

constexpr qsizetype kProgressAbove = 300;
constexpr std::size_t kSliceFiles = SaveBatch::kMostFiles;
constexpr qint64 kSliceBytes = SaveBatch::kMostBytes;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int signal)
{
    stopRequested = 1;
    // A second one ends the program at once.
    std::signal(signal, SIG_DFL);
}

// For a writing command: which files the paths name, so that a file named twice (through a
// symbolic link) is written once, and a file with several names (hard links) written under
// each is not said to keep the old sound under the others.
struct Names
{
    std::vector<QString> sameAs;
    std::vector<int> otherNames;
};

Names namesOf(const QStringList &files)
{
    Names names{std::vector<QString>(std::size_t(files.size())),
                std::vector<int>(std::size_t(files.size()), 0)};
    QHash<QString, QString> firstOfReal;
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::vector<std::size_t>> byFile;
    for (qsizetype i = 0; i < files.size(); ++i) {
        // The path with every link, "." and ".." resolved: links from many folders to one
        // sound, and one sound named twice, give one path.
        const QString &path = files.at(i);
        const QString real = QFileInfo(path).canonicalFilePath();
        const std::optional<FileIdentity> identity =
            real.isEmpty() ? std::nullopt : identityOfPath(real);
        if (!identity)
            continue;
        const auto first = firstOfReal.constFind(real);
        if (first != firstOfReal.constEnd()) {
            names.sameAs[std::size_t(i)] = *first;
            continue;
        }
        firstOfReal.insert(real, files.at(i));
        byFile[{identity->device, identity->inode}].push_back(std::size_t(i));
    }
    for (const auto &[file, indexes] : byFile)
        for (const std::size_t i : indexes)
            names.otherNames[i] = int(indexes.size()) - 1;
    return names;
}

// The path of `file` below the folder of `roots` it was found in (a game folder's sound: below
// the game's data folder); a sound named itself gives its file name.
QString pathBelowRoots(const QString &file, const QStringList &roots,
                       const QHash<QString, QString> &stockPaths)
{
    if (const auto stock = stockPaths.constFind(file); stock != stockPaths.constEnd())
        return *stock;
    for (const QString &root : roots)
        if (const QString below = pathBelow(root, file); below != QDir::fromNativeSeparators(file))
            return below;
    return QFileInfo(file).fileName();
}

} // namespace

PathFilter namedFilter(const QStringList &names)
{
    if (names.isEmpty())
        return {};
    std::vector<NamePattern> patterns;
    for (const QString &name : names)
        patterns.emplace_back(name);
    return [patterns = std::move(patterns)](const QString &path) {
        return std::any_of(patterns.begin(), patterns.end(),
                           [&](const NamePattern &pattern) { return pattern.matches(path); });
    };
}

void keepNamed(QStringList &files, const Options &options,
               const QHash<QString, QString> &stockPaths)
{
    if (const PathFilter named = namedFilter(options.names))
        files.removeIf([&](const QString &file) {
            return !named(pathBelowRoots(file, options.paths, stockPaths));
        });
}

bool refuseArchives(const QStringList &paths, QTextStream &err)
{
    bool refused = false;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const ArchivedKind kind = archivedKindOf(path, info.isFile(), info.isDir());
        if (kind == ArchivedKind::None)
            continue;
        err << QDir::toNativeSeparators(path)
            << (kind == ArchivedKind::Archive
                    ? QStringLiteral(": inside a game archive, which is read-only; extract the "
                                     "sounds to change them (kelvane-cli extract --to DIR %1)")
                          .arg(QDir::toNativeSeparators(path))
                    : QStringLiteral(": a game folder, whose sounds are inside its read-only "
                                     "archives; name its gamedata folder to change the mod's "
                                     "own sounds"))
            << Qt::endl;
        refused = true;
    }
    return refused;
}

namespace {

// One file of a writing command, its save or restore waiting in the slice's batch.
void writeOne(FileReport &run, const Names &names, std::size_t i,
              const std::function<void(FileReport &)> &perFile, SaveBatch *saves,
              RestoreBatch *restores)
{
    run.batch = saves;
    run.restores = restores;
    run.otherNamesWritten = names.otherNames[i];
    // A file named again through a symbolic link is written once.
    if (const QString &first = names.sameAs[i]; !first.isEmpty()) {
        run.say(QStringLiteral("the same file as %1, handled once").arg(first));
        run.result = FileReport::Result::Skipped;
        return;
    }
    perFile(run);
}

} // namespace

void stopOnInterrupt()
{
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
}

bool stopAsked()
{
    return stopRequested != 0;
}

Runner::Runner(QTextStream &out, QTextStream &err)
    : out_(out)
    , err_(err)
{}

void Runner::parallelFor(std::vector<FileReport> &slice, int jobs, const PerFile &perFile)
{
    kelvane::parallelFor(
        slice.size(), jobs, [&](std::size_t i) { perFile(slice[i]); },
        [] { return stopRequested != 0; });
}

void Runner::finishSaves(std::vector<FileReport> &slice, SaveBatch &batch)
{
    if (batch.size() == 0)
        return;
    std::vector<SaveResult> results = batch.commit();
    std::size_t next = 0;
    for (FileReport &run : slice) {
        if (!run.staged)
            continue;
        const SaveResult &saved = results.at(next++);
        if (!saved.ok) {
            run.fail(saved.failure, saved.reason);
            continue;
        }
        QString line = QStringLiteral("changed: ") + run.changes;
        if (!saved.notes.empty())
            line += QStringLiteral("; ") + english(saved.notes).join(QStringLiteral("; "));
        run.say(line);
        run.result = FileReport::Result::Changed;
    }
}

void Runner::print(const FileReport &run)
{
    out_ << run.out;
    if (!run.err.isEmpty()) {
        out_.flush();
        err_ << run.err;
        err_.flush();
    }
    ++counts_[static_cast<int>(run.result)];
}

int Runner::forEach(const Options &options, Mode mode, const PerFile &perFile,
                    const std::function<QString(int)> &header,
                    const std::function<void(SoundCollection &)> &adjust)
{
    if (mode == Mode::Writes && refuseArchives(options.paths, err_))
        return 2;
    SoundCollection found = collectSounds(options.paths, options.recursive, FolderLinks::Skip,
                                          Gathered::Sounds, namedFilter(options.names));
    if (adjust)
        adjust(found);
    keepNamed(found.files, options, found.stockPaths);
    pathWidth_ = 4;
    for (const QString &file : found.files)
        pathWidth_ = std::max(pathWidth_, static_cast<int>(file.size()));
    if (header)
        out_ << header(pathWidth_);
    std::fill(std::begin(counts_), std::end(counts_), 0);
    reportUnread(found);

    const auto total = found.files.size();
    const bool progress = total > kProgressAbove && isatty(STDERR_FILENO);
    SaveBatch batch;
    RestoreBatch restores;
    const Names names = mode == Mode::Writes ? namesOf(found.files) : Names{};
    std::vector<FileReport> slice;
    for (qsizetype done = 0; done < total && !stopRequested;) {
        slice.clear();
        if (mode == Mode::Reads) {
            for (qsizetype i = done; i < total && slice.size() < kSliceFiles; ++i)
                slice.emplace_back(found.files.at(i));
            parallelFor(slice, options.jobs, perFile);
        } else {
            for (qsizetype i = done;
                 i < total && batch.size() < kSliceFiles && batch.bytes() < kSliceBytes &&
                 slice.size() < kSliceFiles && !stopRequested;
                 ++i)
                writeOne(slice.emplace_back(found.files.at(i)), names, std::size_t(i), perFile,
                         &batch, &restores);
            // Stopped: the new files waiting in the batch are removed with it, unflushed and
            // unrenamed, so every sound of the slice stays as it was.
            if (stopRequested)
                break;
            finishSaves(slice, batch);
            finishRestores(slice, restores);
            flushCleaned(slice);
        }
        for (const FileReport &run : slice)
            print(run);
        done += static_cast<qsizetype>(slice.size());
        if (progress)
            err_ << "\r  " << done << " / " << total << Qt::flush;
    }
    if (progress)
        err_ << Qt::endl;
    if (stopRequested) {
        err_ << "kelvane-cli: stopped; the sounds not yet replaced are as they were" << Qt::endl;
        return kInterrupted;
    }
    if (output_->summarizes())
        printSummary(total, options.dryRun);
    out_.flush();
    return counts_[static_cast<int>(FileReport::Result::Failed)] > 0 ? 1 : 0;
}

// The paths that name nothing or cannot be named as text, each as a failed file.
void Runner::reportUnread(const SoundCollection &found)
{
    const auto alone = [&](const QString &path, const QString &message,
                           const Message &reason = {}) {
        FileReport run(path);
        run.fail(reason.empty()
                     ? message
                     : message + QStringLiteral(" (") + english(reason) + QLatin1Char(')'));
        print(run);
    };
    for (const QString &missing : found.missing)
        alone(missing, QStringLiteral("no such file or folder"));
    for (const QString &name : found.undecodable)
        alone(name, QStringLiteral("the name is not valid UTF-8, so it cannot be opened; "
                                   "rename the file to process it"));
    for (const UnreadFolder &folder : found.unreadable)
        alone(folder.path, QStringLiteral("the folder cannot be read"), folder.reason);
    for (const UnreadFolder &archived : found.unreadArchived)
        alone(archived.path, english(archived.reason));
    for (const QString &archive : found.notLoaded)
        err_ << QDir::toNativeSeparators(archive)
             << ": warning: " << english(Message(MessageKind::ArchiveNotLoaded)) << Qt::endl;
}

bool Runner::isInteractive()
{
    return isatty(STDERR_FILENO);
}

void Runner::printMadeSummary(const char *one, const char *many, const QString &changed,
                              const QString &skipped)
{
    const int all = counts_[0] + counts_[1] + counts_[2] + counts_[3];
    if (output_->summarizes())
        out_ << QStringLiteral("%1 %2, %3 %4, %5 %6, %7 failed")
                    .arg(all)
                    .arg(QLatin1String(all == 1 ? one : many))
                    .arg(counts_[int(FileReport::Result::Changed)])
                    .arg(changed)
                    .arg(counts_[int(FileReport::Result::Skipped)])
                    .arg(skipped)
                    .arg(counts_[int(FileReport::Result::Failed)])
             << Qt::endl;
    out_.flush();
}

void Runner::printSummary(qsizetype total, bool dryRun)
{
    out_ << QStringLiteral("%1 %2 read, %3 %4, %5 skipped, %6 failed")
                .arg(total)
                .arg(total == 1 ? "file" : "files")
                .arg(counts_[static_cast<int>(FileReport::Result::Changed)])
                .arg(dryRun ? "would change" : "changed")
                .arg(counts_[static_cast<int>(FileReport::Result::Skipped)])
                .arg(counts_[static_cast<int>(FileReport::Result::Failed)])
         << Qt::endl;
}

} // namespace kelvane::cli
