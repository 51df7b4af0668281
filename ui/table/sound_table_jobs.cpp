#include "sound_table_jobs.h"

#include "backup_cleaning.h"
#include "backup_restore.h"
#include "file_system.h"
#include "message_words.h"
#include "sound_scan.h"
#include "sound_table_model.h"

#include <algorithm>
#include <set>
#include <utility>

#include <QThread>
#include <QTimer>

namespace kelvane {

namespace {

// Rows are taken from the work this often: often enough to watch them come, rarely enough
// that the window spends its time on the user.
constexpr int kPollMilliseconds = 25;

} // namespace

SoundTableJobs::SoundTableJobs(SoundTableModel *model, QObject *parent)
    : QObject(parent)
    , model_(model)
    , poller_(new QTimer(this))
{
    poller_->setInterval(kPollMilliseconds);
    connect(poller_, &QTimer::timeout, this, &SoundTableJobs::poll);
}

SoundTableJobs::~SoundTableJobs() = default;

void SoundTableJobs::scan(const QString &folder)
{
    scan_.reset();
    folder_ = folder;
    orphans_.clear();
    model_->clear();
    sized_ = false;
    // Reading waits on the disk more than on the cores: several files at once per core keep
    // the disk busy, as on the command line.
    scan_ = std::make_unique<SoundScan>(folder, 4 * std::max(1, QThread::idealThreadCount()));
    poller_->start();
}

void SoundTableJobs::edit(std::vector<EditTarget> targets, Backup backup)
{
    std::sort(targets.begin(), targets.end(),
              [](const EditTarget &a, const EditTarget &b) { return a.path < b.path; });
    written_ = unchanged_ = failed_ = 0;
    toWrite_ = qsizetype(targets.size());
    edit_ = std::make_unique<BatchEdit>(folder_, std::move(targets), backup);
    poller_->start();
}

SoundTableJobs::Restored SoundTableJobs::restore(QStringList paths)
{
    paths.sort();
    Restored counts;
    for (const RestoreResult &done : restoreSounds(paths)) {
        if (done.outcome == RestoreResult::Restored)
            ++counts.restored;
        else if (done.outcome == RestoreResult::NoBackup)
            ++counts.without;
        else
            counts.failures << done.sound + QStringLiteral(": ") +
                                   translated(withReason(done.failure, done.reason));
    }
    return counts;
}

int SoundTableJobs::backupsOf(const QStringList &paths)
{
    int count = 0;
    for (const QString &path : paths)
        for (const CleanedFile &file : cleanBackups(path, true).files)
            count += file.removed ? 1 : 0;
    return count;
}

SoundTableJobs::Cleaned SoundTableJobs::clean(const QStringList &paths)
{
    Cleaned counts;
    std::set<QString> folders;
    for (const QString &path : paths) {
        const CleanResult done = cleanBackups(path, false);
        if (!done.failure.empty())
            counts.failures << path + QStringLiteral(": ") + translated(done.failure);
        for (const CleanedFile &file : done.files) {
            if (file.removed) {
                ++counts.removed;
                folders.insert(done.folder);
            } else {
                counts.failures << file.path + QStringLiteral(": ") + translated(file.why);
            }
        }
    }
    for (const QString &folder : folders)
        if (!fs::flushFolder(folder))
            counts.failures << folder + QStringLiteral(": ") +
                                   translated(Message(MessageKind::FolderNotFlushed));
    return counts;
}

void SoundTableJobs::compare(const QString &stockFolder)
{
    stock_ = std::make_unique<SoundScan>(stockFolder, 4 * std::max(1, QThread::idealThreadCount()));
    poller_->start();
}

void SoundTableJobs::cancel()
{
    if (stock_)
        stock_->cancel();
    if (scan_)
        scan_->cancel();
    if (edit_)
        edit_->cancel();
}

void SoundTableJobs::poll()
{
    if (scan_)
        takeScanned();
    if (stock_)
        takeStock();
    if (edit_)
        takeWritten();
    if (!scan_ && !stock_ && !edit_)
        poller_->stop();
}

void SoundTableJobs::takeScanned()
{
    const bool ended = scan_->finished();
    if (std::vector<ScannedSound> rows = scan_->take(); !rows.empty())
        model_->add(std::move(rows));
    if (scan_->total() >= 0) {
        if (!std::exchange(sized_, true))
            model_->reserve(scan_->total());
        Q_EMIT progress(scan_->done(), scan_->total());
    }
    Q_EMIT rowsChanged();
    if (!ended)
        return;
    const bool cancelled = scan_->cancelled();
    const qsizetype total = scan_->total();
    orphans_ = scan_->orphans();
    scan_.reset();
    Q_EMIT scanEnded(cancelled, total);
}

void SoundTableJobs::takeWritten()
{
    const bool ended = edit_->finished();
    std::vector<ScannedSound> rows;
    for (EditOutcome &outcome : edit_->take()) {
        ScannedSound &row = rows.emplace_back(std::move(outcome.row));
        if (outcome.result == EditOutcome::Written) {
            ++written_;
        } else if (outcome.result == EditOutcome::Unchanged) {
            ++unchanged_;
        } else {
            ++failed_;
            row.warnings.insert(row.warnings.begin(),
                                Message(MessageKind::NotWritten, {}, {outcome.message}));
        }
    }
    if (!rows.empty())
        model_->add(std::move(rows));
    Q_EMIT progress(written_ + unchanged_ + failed_, toWrite_);
    if (!ended)
        return;
    const bool cancelled = edit_->cancelled();
    edit_.reset();
    Q_EMIT editEnded(cancelled, written_, unchanged_, failed_);
}

void SoundTableJobs::takeStock()
{
    const bool ended = stock_->finished();
    if (std::vector<ScannedSound> rows = stock_->take(); !rows.empty())
        model_->addStock(rows);
    if (stock_->total() >= 0)
        Q_EMIT progress(stock_->done(), stock_->total());
    if (!ended)
        return;
    const bool cancelled = stock_->cancelled();
    stock_.reset();
    Q_EMIT stockEnded(cancelled);
}

} // namespace kelvane
