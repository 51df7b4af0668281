// Bringing back the loaded sound's backup, from the file list's menu.
#include "backup_restore.h"
#include "folder_entries.h"
#include "message_words.h"
#include "sound_page.h"
#include "widget_making.h"

#include <QComboBox>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QMessageBox>

namespace kelvane {

void SoundPage::showFileMenu(const QPoint &at)
{
    // The press that asked for the menu has selected and loaded the sound under it; a sound the
    // user chose not to leave for it keeps the selection, and the menu is not for it.
    QModelIndex under = lstFiles->indexAt(at);
    if (!under.isValid())
        under = selectedIndex();
    const QString entry = under.data().toString();
    if (entry.isEmpty() || entry != currentFileName_ ||
        under.data(FolderEntries::FolderRole).toBool())
        return;
    if (!mnuFiles) {
        mnuFiles = named(new QMenu(lstFiles), "mnuFiles");
        actRestoreBackup = mnuFiles->addAction(tr("Restore Backup..."));
        actRestoreBackup->setObjectName(QStringLiteral("actRestoreBackup"));
        connect(actRestoreBackup, &QAction::triggered, this, &SoundPage::restoreBackup);
        mnuFiles->addAction(actSaveAs);
        actMakeGameReady = mnuFiles->addAction(tr("Make Game-Ready..."));
        actMakeGameReady->setObjectName(QStringLiteral("actMakeGameReady"));
        connect(actMakeGameReady, &QAction::triggered, this, &SoundPage::askGameReady);
    }
    actRestoreBackup->setEnabled(hasBackup(pathOf(entry)));
    actMakeGameReady->setEnabled(needsGameReady());
    mnuFiles->popup(lstFiles->viewport()->mapToGlobal(at));
}

void SoundPage::restoreBackup()
{
    const QString name = currentFileName_;
    const QString text = tr("Put the backup %1.bak back in the place of %1?").arg(name);
    QString more = tr("The sound there now is kept as %1.newer, unless it is the same as "
                      "the backup.")
                       .arg(name);
    if (session_.dataChanged())
        more += QLatin1Char(' ') + tr("Changes not applied are dropped.");
    QMessageBox question(QMessageBox::Question, tr("Restore Backup"), text,
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("restoreQuestion"));
    question.setInformativeText(more);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;

    const RestoreResult done = restoreSounds({pathOf(name)}).front();
    if (done.outcome == RestoreResult::Failed) {
        QMessageBox failed(QMessageBox::Warning, tr("Restore Backup"),
                           name + QStringLiteral(": ") +
                               translated(withReason(done.failure, done.reason)),
                           QMessageBox::Ok, this);
        failed.setObjectName(QStringLiteral("restoreFailed"));
        failed.exec();
        return;
    }
    // The sound on disk is another now: what the controls held of the old one goes.
    clearFileDisplay();
    refreshAndReselect();
    Q_EMIT status(done.newer.isEmpty()
                      ? tr(" %1 is as its backup was.").arg(name)
                      : tr(" %1 is as its backup was; the sound that was there is kept as %2.")
                            .arg(name, QFileInfo(done.newer).fileName()));
}

// The details say that the sound has a backup to go back to.
void SoundPage::addBackupDetail()
{
    if (hasBackup(pathOf(currentFileName_)))
        cmbInfo->addItem(tr("Backup: %1.bak (the file list's menu restores it)")
                             .arg(QFileInfo(currentFileName_).fileName()));
}

} // namespace kelvane
