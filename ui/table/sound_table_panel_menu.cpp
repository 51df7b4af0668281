// The sound table's context menu and what it does to the selected sounds: open, play, show in
// the file manager, copy the path, put backups back, remove them, take the stock values.
#include "archive_place.h"
#include "game_rules.h"
#include "sound_table_jobs.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"
#include "widget_making.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>

namespace kelvane {

void SoundTablePanel::showTableMenu(const QPoint &at)
{
    if (!mnuSounds) {
        mnuSounds = named(new QMenu(tblSounds), "mnuSounds");
        const auto add = [this](const QString &text, const char *name, auto slot) {
            QAction *action = mnuSounds->addAction(text);
            action->setObjectName(QLatin1String(name));
            connect(action, &QAction::triggered, this, slot);
            return action;
        };
        add(tr("Open"), "actOpenSound", &SoundTablePanel::openCurrent);
        add(tr("Play"), "actPlaySound", [this] {
            if (const QString path = currentPath(); !path.isEmpty()) {
                const auto &attrs = model_->sound(tblSounds->currentIndex().row()).attrs;
                Q_EMIT playSound(path,
                                 attrs ? std::clamp(double(attrs->baseValue), 0.0, 1.0) : 1.0);
            }
        });
        add(tr("Show in File Manager"), "actShowSound", [this] {
            const QString path = currentPath();
            if (path.isEmpty())
                return;
            // A stock sound lies inside an archive: the file manager shows the archive.
            const auto place = QFileInfo::exists(path) ? std::nullopt : archivePlaceOf(path);
            Q_EMIT showInFileManager(QFileInfo(place ? place->archive : path).absolutePath());
        });
        add(tr("Copy Path"), "actCopyPath", [this] {
            QStringList paths = selectedPaths();
            if (!paths.isEmpty())
                QApplication::clipboard()->setText(paths.join(QLatin1Char('\n')));
        });
        mnuSounds->addSeparator();
        add(tr("Restore Backups of Selected..."), "actRestoreSelected",
            &SoundTablePanel::restoreSelected);
        add(tr("Remove Backups of Selected..."), "actRemoveBackups",
            &SoundTablePanel::removeBackupsOfSelected);
        add(tr("Take Stock Values"), "actTakeStock", &SoundTablePanel::takeStockValues);
        add(tr("Make Game-Ready..."), "actMakeGameReady", &SoundTablePanel::makeSelectedGameReady);
        add(tr("Extract to Mod..."), "actExtractToMod", &SoundTablePanel::extractSelected);
    }
    // Open, Play and Show act on the row the menu was opened on.
    if (const QModelIndex row = tblSounds->indexAt(at); row.isValid())
        tblSounds->selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    const bool selected = tblSounds->selectionModel()->hasSelection();
    for (QAction *action : mnuSounds->actions())
        action->setEnabled(selected && !busy());
    // Looking and listening never wait for the work behind the window.
    for (const char *name : {"actOpenSound", "actPlaySound", "actShowSound", "actCopyPath"})
        mnuSounds->findChild<QAction *>(QLatin1String(name))->setEnabled(selected);
    mnuSounds->findChild<QAction *>(QStringLiteral("actTakeStock"))
        ->setEnabled(selected && !busy() && model_->comparing());
    mnuSounds->popup(tblSounds->viewport()->mapToGlobal(at));
}

QString SoundTablePanel::currentPath() const
{
    const QModelIndex current = tblSounds->currentIndex();
    return current.isValid() ? folder() + QLatin1Char('/') + model_->sound(current.row()).path
                             : QString();
}

// Puts the selected sounds' backups back, in slices with one flush each, and reads the tree
// again: every restored sound is another file now.
void SoundTablePanel::restoreSelected()
{
    const QStringList paths = selectedPaths();
    if (busy() || paths.isEmpty() || !settle())
        return;
    QMessageBox question(QMessageBox::Question, tr("Restore Backups"),
                         tr("Put the .bak backups of %n selected sound(s) back in their places?",
                            nullptr, int(paths.size())),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("restoreQuestion"));
    question.setInformativeText(tr("Each sound that differs from its backup is kept as .newer "
                                   "beside it."));
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    const SoundTableJobs::Restored done = jobs_->restore(paths);
    const QStringList &failures = done.failures;
    if (!failures.isEmpty()) {
        QMessageBox failed(QMessageBox::Warning, tr("Restore Backups"),
                           tr("%n sound(s) could not be restored.", nullptr, int(failures.size())),
                           QMessageBox::Ok, this);
        failed.setObjectName(QStringLiteral("restoreFailed"));
        failed.setDetailedText(failures.join(QLatin1Char('\n')));
        failed.exec();
    }
    scan(folder());
    afterScan_ = tr(" Restored %1; %2 without a backup; %3 not restored.")
                     .arg(done.restored)
                     .arg(done.without)
                     .arg(failures.size());
    Q_EMIT status(afterScan_);
}

QStringList SoundTablePanel::selectedPaths() const
{
    // In the order the table shows them, whatever order they were selected in.
    QModelIndexList rows = tblSounds->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList paths;
    for (const QModelIndex &index : rows)
        paths << folder() + QLatin1Char('/') + model_->sound(index.row()).path;
    return paths;
}

// The selected sounds the stock games refuse for their rate, and the stereo ones (which the
// dialog mixes down unless told to keep them), encoded again in their places.
void SoundTablePanel::makeSelectedGameReady()
{
    if (busy() || !settle())
        return;
    QModelIndexList rows = tblSounds->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<GameReadyJob> jobs;
    for (const QModelIndex &index : rows) {
        const ScannedSound &sound = model_->sound(index.row());
        if (sound.identity && sound.sampleRate != 0 &&
            (sound.sampleRate != kEngineSampleRate || sound.channels == 2)) {
            const QString path = folder() + QLatin1Char('/') + sound.path;
            jobs.push_back({path, path, sound.identity});
        }
    }
    if (jobs.empty()) {
        Q_EMIT status(tr(" The selected sounds are at 44100 Hz in mono already."));
        return;
    }
    Q_EMIT gameReadyAsked(jobs);
}

// Before a mod is released: the backups and the sounds restores kept go, the sounds stay.
void SoundTablePanel::removeBackupsOfSelected()
{
    const QStringList paths = selectedPaths();
    if (busy() || paths.isEmpty())
        return;
    const int files = SoundTableJobs::backupsOf(paths);
    QMessageBox question(QMessageBox::Question, tr("Remove Backups"),
                         files == 0 ? tr("The selected sounds have no .bak or .newer files.")
                                    : tr("Remove %n .bak and .newer file(s) beside the selected "
                                         "sounds?",
                                         nullptr, files),
                         files == 0 ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("removeBackupsQuestion"));
    QString more =
        files == 0 ? QString() : tr("They cannot be brought back; the sounds stay as they are.");
    // Backups whose sound is gone belong to no row, so no selection removes them: named here,
    // as they would ship with the mod.
    if (const QStringList &orphans = jobs_->orphans(); !orphans.isEmpty()) {
        more += (more.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                tr("%n backup file(s) of this folder tree have no sound beside them; they stay "
                   "until you remove them yourself (see the details).",
                   nullptr, int(orphans.size()));
        question.setDetailedText(orphans.join(QLatin1Char('\n')));
    }
    question.setInformativeText(more);
    question.setDefaultButton(files == 0 ? QMessageBox::Ok : QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    const SoundTableJobs::Cleaned done = jobs_->clean(paths);
    if (!done.failures.isEmpty()) {
        QMessageBox failed(
            QMessageBox::Warning, tr("Remove Backups"),
            tr("%n file(s) could not be removed.", nullptr, int(done.failures.size())),
            QMessageBox::Ok, this);
        failed.setObjectName(QStringLiteral("removeBackupsFailed"));
        failed.setDetailedText(done.failures.join(QLatin1Char('\n')));
        failed.exec();
    }
    Q_EMIT status(tr(" Removed %1 backup files; %2 not removed.")
                      .arg(done.removed)
                      .arg(done.failures.size()));
}

} // namespace kelvane
