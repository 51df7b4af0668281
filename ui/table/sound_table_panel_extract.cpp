// The sound table's "Extract to Mod...": the selected sounds of a game's archives copied into a
// mod's folder at their paths below the game's data folder, byte for byte, never over a file.
#include "archive_place.h"
#include "extract_batch.h"
#include "file_dialog_fitting.h"
#include "message_words.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTableView>
#include <QTimer>

namespace kelvane {

namespace {

// What the batch did to each sound, as the window says it afterwards.
struct Extracted
{
    QStringList written;
    QStringList kept;
    QStringList failed;
};

Extracted runWithProgress(std::vector<ExtractJob> jobs, QWidget *parent)
{
    Extracted done;
    const int total = int(jobs.size());
    ExtractBatch batch(std::move(jobs), {});
    QProgressDialog progress(SoundTablePanel::tr("Extracting the sounds..."),
                             SoundTablePanel::tr("Cancel"), 0, total, parent);
    progress.setObjectName(QStringLiteral("dlgExtractProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const bool last = batch.finished();
        if (progress.wasCanceled())
            batch.cancel();
        for (ExtractedSound &sound : batch.take()) {
            const QString target = QDir::toNativeSeparators(sound.job.target);
            if (sound.result == ExtractedSound::Written)
                done.written << target;
            else if (sound.result == ExtractedSound::Kept)
                done.kept << target;
            else
                done.failed << QDir::toNativeSeparators(sound.job.source) + QStringLiteral(": ") +
                                   translated(sound.message);
        }
        progress.setValue(int(batch.done()));
        if (last)
            loop.quit();
    });
    poll.start(25);
    loop.exec();
    return done;
}

} // namespace

void SoundTablePanel::extractSelected()
{
    if (busy())
        return;
    QModelIndexList rows = tblSounds->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<std::pair<QString, QString>> chosen; // the sound, its path below the data folder
    for (const QModelIndex &index : rows) {
        const ScannedSound &sound = model_->sound(index.row());
        const QString path = folder() + QLatin1Char('/') + sound.path;
        if (sound.archive.isEmpty())
            continue;
        if (!sound.stockPath.isEmpty())
            chosen.emplace_back(path, sound.stockPath);
        else if (const auto place = archivePlaceOf(path))
            chosen.emplace_back(path, place->inside);
    }
    if (chosen.empty()) {
        Q_EMIT status(tr(" The selected sounds are not inside a game archive."));
        return;
    }
    QFileDialog dialog(this, tr("Extract to Mod: the Mod's gamedata Folder"), lastMod_);
    makeFolderDialog(&dialog, "dlgExtractTo");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString mod = QDir::cleanPath(dialog.selectedFiles().constFirst());
    lastMod_ = mod;
    std::vector<ExtractJob> jobs;
    for (const auto &[source, below] : chosen)
        if (const QString target = extractTarget(mod, below); !target.isEmpty())
            jobs.push_back({source, target});
    const Extracted done = runWithProgress(std::move(jobs), this);
    QMessageBox said(done.failed.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                     tr("Extract to Mod"),
                     tr("%n sound(s) extracted into %1; they are the mod's own now, ready to "
                        "edit.",
                        nullptr, int(done.written.size()))
                         .arg(QDir::toNativeSeparators(mod)),
                     QMessageBox::Ok, this);
    said.setObjectName(QStringLiteral("extractDone"));
    QStringList more;
    if (!done.kept.isEmpty())
        more << tr("%n kept as they were: a file of that name is there already.", nullptr,
                   int(done.kept.size()));
    if (!done.failed.isEmpty())
        more << tr("%n could not be extracted.", nullptr, int(done.failed.size()));
    said.setInformativeText(more.join(QLatin1Char(' ')));
    said.setDetailedText((done.written + done.kept + done.failed).join(QLatin1Char('\n')));
    said.exec();
    Q_EMIT status(tr(" Extracted %1 sounds into %2; %3 kept, %4 failed.")
                      .arg(done.written.size())
                      .arg(QDir::toNativeSeparators(mod))
                      .arg(done.kept.size())
                      .arg(done.failed.size()));
}

} // namespace kelvane
