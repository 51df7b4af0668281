#pragma once

#include "attribute_edits.h"
#include "batch_edit.h"

#include <memory>
#include <vector>

#include <QObject>
#include <QStringList>

class QTimer;

namespace kelvane {

class SoundScan;
class SoundTableModel;

// The sound table's work behind the window: listing a folder tree, writing fields into many
// sounds, putting backups back. It feeds the rows to the model as they come and says how far
// the work is; the panel only shows it and words it.
class SoundTableJobs final : public QObject
{
    Q_OBJECT

public:
    struct Restored
    {
        int restored = 0;
        int without = 0;      // no backup to put back
        QStringList failures; // "path: why", one for each sound not restored
    };

    SoundTableJobs(SoundTableModel *model, QObject *parent);
    ~SoundTableJobs() override;

    // Lists `folder` and its sub-folders anew, dropping the rows shown. Not while writing.
    void scan(const QString &folder);
    // Writes each target's edits into it (paths relative to the folder listed).
    void edit(std::vector<EditTarget> targets, Backup backup);
    // Puts the backups of `paths` back; every restored sound is another file then, so the
    // folder is to be listed again.
    Restored restore(QStringList paths);
    struct Cleaned
    {
        int removed = 0;      // .bak and .newer files removed
        QStringList failures; // "path: why", one for each file not removed
    };
    // Removes the .bak and .newer files beside the sounds at `paths`, each folder flushed once.
    Cleaned clean(const QStringList &paths);
    // Lists and reads the sounds of `stockFolder` into the model's comparison.
    void compare(const QString &stockFolder);
    void cancel();
    [[nodiscard]] bool busy() const { return scan_ || edit_ || stock_; }
    [[nodiscard]] bool writing() const { return edit_ != nullptr; }
    [[nodiscard]] const QString &folder() const { return folder_; }
    // The backups of the last listing with no sound beside them, relative to the folder.
    [[nodiscard]] const QStringList &orphans() const { return orphans_; }
    // How many .bak and .newer files clean(paths) would remove.
    [[nodiscard]] static int backupsOf(const QStringList &paths);

Q_SIGNALS:
    // How far the work is, once its size is known.
    void progress(qsizetype done, qsizetype total);
    void rowsChanged();
    void scanEnded(bool cancelled, qsizetype total);
    void editEnded(bool cancelled, int written, int unchanged, int failed);
    void stockEnded(bool cancelled);

private:
    void poll();
    void takeScanned();
    void takeWritten();
    void takeStock();

    SoundTableModel *model_;
    QString folder_;
    QStringList orphans_;
    QTimer *poller_ = nullptr;
    std::unique_ptr<SoundScan> scan_;
    std::unique_ptr<BatchEdit> edit_;
    std::unique_ptr<SoundScan> stock_;
    bool sized_ = false; // the listing's size is known and room made for its rows
    qsizetype toWrite_ = 0;
    int written_ = 0, unchanged_ = 0, failed_ = 0;
};

} // namespace kelvane
