#include "staged_save.h"

#include "backup_file.h"
#include "message.h"
#include "ogg_layout.h"
#include "qt_text.h"
#include "replacement_file.h"
#include "save_image.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>

namespace kelvane {

SaveResult saveFailure(SaveProblem problem, const SaveTarget &target, const Message &reason,
                       const QString &backupName)
{
    SaveResult result;
    result.problem = problem;
    result.reason = reason;
    switch (problem) {
    case SaveProblem::Changed:
        result.failure = {MessageKind::ChangedOnDisk, {target.shownName.toStdString()}};
        break;
    case SaveProblem::InUse:
        result.failure = {MessageKind::InUse, {target.shownName.toStdString()}};
        result.reason = {}; // said in the message
        break;
    case SaveProblem::Backup:
        result.failure = {MessageKind::BackupFailed, {backupName.toStdString()}, {reason}};
        result.reason = {}; // said in the message already
        break;
    case SaveProblem::Exists:
        result.failure = {MessageKind::AlreadyThere};
        break;
    case SaveProblem::None:
    case SaveProblem::Write:
        result.problem = SaveProblem::Write;
        result.failure = {MessageKind::WriteProblem, {target.shownName.toStdString()}};
        break;
    }
    return result;
}

QString folderOf(const QString &path)
{
    const auto slash = path.lastIndexOf(QLatin1Char('/'));
    // "C:" alone would be the drive's current folder, not its root.
    if (slash == 2 && path.at(1) == QLatin1Char(':'))
        return path.left(3);
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// The file a save replaces: a symbolic link's file, so that the link stays a link and the
// backup lies beside the sound it keeps, whatever name the sound was opened by. Only links in
// the last part are followed: a linked folder is the same folder whichever way it is named, and
// the path is never tidied up as text, which ".." after a linked folder would falsify.
QString absolutePathOf(const QString &path)
{
    return QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
}

std::optional<QString> realPathOf(const QString &path, Message &reason,
                                  std::optional<fs::EntryFacts> *found)
{
    QString current = absolutePathOf(path);
    for (int hop = 0; hop < 40; ++hop) {
        int error = 0;
        const auto facts = fs::factsOf(current, fs::Links::Keep, error);
        if (!facts) {
            if (hop == 0 && error == ENOENT)
                return current; // a new file
            reason = hop > 0 ? Message(MessageKind::DanglingLink) : systemReason(error);
            return std::nullopt;
        }
        if (facts->kind != fs::EntryKind::Link) {
            if (found)
                *found = facts;
            return current;
        }
        const auto to = fs::linkTarget(current, error);
        if (!to) {
            reason = systemReason(error);
            return std::nullopt;
        }
        current = QDir::isAbsolutePath(*to) ? *to : folderOf(current) + QLatin1Char('/') + *to;
    }
    reason = systemReason(ELOOP);
    return std::nullopt;
}

namespace {

bool stillAsLoaded(const QString &realPath, const SaveTarget &target)
{
    return !target.loadedAs || identityOfPath(realPath) == target.loadedAs;
}

void noteWhatTheSaveCouldNotKeep(const BackupOutcome &backup, const fs::EntryFacts &original,
                                 const SaveTarget &target, std::vector<Message> &notes)
{
    if (backup.state == BackupOutcome::NameTaken)
        notes.push_back(
            {MessageKind::BackupNameTaken, {QFileInfo(backup.path).fileName().toStdString()}});
    // Renaming replaces one name; any other hard link goes on naming the old file.
    const auto others = std::int64_t(original.links) - 1 - target.otherNamesWritten;
    if (others > 0)
        notes.push_back(
            {others == 1 ? MessageKind::OtherHardLinkKeeps : MessageKind::OtherHardLinksKeep,
             {std::to_string(others), target.shownName.toStdString()}});
}

// Below this, opening the file again costs more than copying the rest through memory.
constexpr std::size_t kLeastKernelCopy = 256 * 1024;

// Writes the new file: pages 1 and 2 from the image, and the rest, which a save never changes,
// copied by the kernel from the file being replaced, when that is still the very file loaded.
// Where the kernel does not copy, the rest is written from the image: the same bytes either way.
bool writeNewFile(ReplacementFile &file, const FileImage &image, const QString &realPath,
                  const SaveTarget &target)
{
    const auto bytes = image.bytes();
    const std::size_t prefix = layout::kPage2 + image.layout()->commentPageLength();
    if (!file.write(bytes.first(prefix)))
        return false;
    const auto rest = bytes.subspan(prefix);
    if (target.loadedAs && rest.size() >= kLeastKernelCopy) {
        int error = 0;
        const int source = fs::openFile(realPath, fs::Access::Read, error);
        if (source >= 0) {
            // The rest of the image is the loaded file's last bytes, after any insertion.
            const bool copied =
                identityOfOpenFile(source) == target.loadedAs &&
                file.copyInKernel(source, target.loadedAs->size - std::int64_t(rest.size()),
                                  rest.size());
            (void)fs::closeFile(source, error);
            if (copied)
                return true;
        }
    }
    return file.write(rest);
}

} // namespace

namespace {

// The checks every save makes before it writes, and the new file created beside the target.
std::optional<SaveResult> openStage(StagedSave &staged, const SaveTarget &target)
{
    staged.target = target;
    Message reason;
    std::optional<fs::EntryFacts> facts; // the file's, where the links lead
    const auto realPath = realPathOf(target.path, reason, &facts);
    if (!realPath)
        return saveFailure(SaveProblem::Write, target, reason);
    staged.realPath = *realPath;
    staged.folder = folderOf(*realPath);
    if (facts) {
        staged.original = *facts;
        staged.exists = true;
    }
    if (staged.exists && target.newFileOnly)
        return saveFailure(SaveProblem::Exists, target);
    if (staged.exists && staged.original.kind != fs::EntryKind::File)
        return saveFailure(SaveProblem::Write, target, MessageKind::NotRegularFile);
    if ((!staged.exists && target.loadedAs) || !stillAsLoaded(*realPath, target))
        return saveFailure(SaveProblem::Changed, target);
    if (staged.exists && fs::folderForbidsReplacing(staged.original, staged.folder))
        return saveFailure(SaveProblem::Write, target, systemReason(EPERM));
    staged.file = ReplacementFile::create(staged.folder, reason);
    if (!staged.file)
        return saveFailure(SaveProblem::Write, target, reason);
    return std::nullopt;
}

std::variant<StagedSave, SaveResult> finishStage(StagedSave &staged, Flush flush, std::size_t bytes)
{
    if (staged.exists)
        staged.file->takeMetadataOf(staged.original, staged.realPath, staged.notes);
    if (!staged.file->finish(flush == Flush::EachFile))
        return saveFailure(SaveProblem::Write, staged.target, staged.file->reason());
    staged.bytes = static_cast<qint64>(bytes);
    return std::move(staged);
}

} // namespace

std::variant<StagedSave, SaveResult> stageSave(FileImage &image, const SoundAttributes &attrs,
                                               const SaveTarget &target, Flush flush)
{
    if (image.headersOnly() || !prepareImageForSave(image, attrs))
        return saveFailure(SaveProblem::Write, target, MessageKind::CannotBeWritten);
    StagedSave staged;
    if (auto failure = openStage(staged, target))
        return std::move(*failure);
    if (!writeNewFile(*staged.file, image, staged.realPath, target))
        return saveFailure(SaveProblem::Write, target, staged.file->reason());
    return finishStage(staged, flush, image.bytes().size());
}

std::variant<StagedSave, SaveResult> stageBytes(std::span<const std::uint8_t> bytes,
                                                const SaveTarget &target, Flush flush)
{
    StagedSave staged;
    if (auto failure = openStage(staged, target))
        return std::move(*failure);
    if (!staged.file->write(bytes))
        return saveFailure(SaveProblem::Write, target, staged.file->reason());
    return finishStage(staged, flush, bytes.size());
}

std::variant<StagedSave, SaveResult> stagePart(const fs::FilePart &part, const SaveTarget &target,
                                               Flush flush)
{
    StagedSave staged;
    if (auto failure = openStage(staged, target))
        return std::move(*failure);
    if (!staged.file->copyPart(part))
        return saveFailure(SaveProblem::Write, target, staged.file->reason());
    return finishStage(staged, flush, part.length);
}

SaveResult placeSave(StagedSave &staged)
{
    const SaveTarget &target = staged.target;
    // Checked again now that the new file is complete, as close to the rename as we can.
    if (!stillAsLoaded(staged.realPath, target))
        return saveFailure(SaveProblem::Changed, target);
    BackupOutcome backup;
    if (staged.exists && target.backup == Backup::IfAbsent) {
        backup = makeBackup(staged.realPath);
        if (backup.state == BackupOutcome::Failed)
            return saveFailure(SaveProblem::Backup, target, backup.reason,
                               QFileInfo(backup.path).fileName());
    }
    // A file loaded is replaced only while it is still that file, whatever another program
    // renames over it after the check above.
    // A new file only takes a free name: a file that took it meanwhile stays.
    const ExchangeOutcome placed =
        !staged.exists || !target.loadedAs
            ? (staged.file->replace(staged.realPath, target.newFileOnly) ? ExchangeOutcome::Renamed
                                                                         : ExchangeOutcome::Failed)
            : staged.file->replaceExpected(staged.realPath, *target.loadedAs);
    if (placed == ExchangeOutcome::Changed || placed == ExchangeOutcome::Failed) {
        SaveResult refused = placed == ExchangeOutcome::Changed
                                 ? saveFailure(SaveProblem::Changed, target)
                             : target.newFileOnly && staged.file->error() == EEXIST
                                 ? saveFailure(SaveProblem::Exists, target)
                             : fs::heldByAnotherProgram(staged.file->error())
                                 ? saveFailure(SaveProblem::InUse, target)
                                 : saveFailure(SaveProblem::Write, target, staged.file->reason());
        if (!removeBackup(backup))
            refused.reason = {MessageKind::BackupLeft, {}, {refused.reason}};
        return refused;
    }
    SaveResult result;
    result.notes = staged.notes;
    // The old sound under the hidden name would hide in the folder unsaid.
    if (staged.file->replacedLeft())
        result.notes.push_back(
            {MessageKind::ReplacedLeft, {QFileInfo(staged.file->path()).fileName().toStdString()}});
    if (staged.exists)
        noteWhatTheSaveCouldNotKeep(backup, staged.original, target, result.notes);
    result.ok = true;
    result.bytesWritten = staged.bytes;
    result.backupMade = backup.state == BackupOutcome::Made;
    result.written = staged.file->identity();
    return result;
}

} // namespace kelvane
