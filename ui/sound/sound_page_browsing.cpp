// The file list and the listed folder. The list holds bare names of the listed folder's entries;
// a sound is opened by its path in that folder.
#include "archive_listing.h"
#include "caption_panel.h"
#include "folder_entries.h"
#include "folder_listing.h"
#include "sound_page.h"
#include "sound_preview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QScopedValueRollback>

namespace kelvane {

QString SoundPage::pathOf(const QString &name) const
{
    return QDir(folder_).filePath(name);
}

void SoundPage::listCurrentFolder()
{
    const QDir dir(folder_);
    Q_EMIT folderListed(folder_);

    // ".." is listed except at the root.
    FolderListing listing = kelvane::listFolder(folder_);
    if (!dir.isRoot())
        listing.folders.prepend(QStringLiteral(".."));
    const QScopedValueRollback<bool> programmatic(selectingEntry_, true);
    entries_->setEntries(std::move(listing.folders), std::move(listing.sounds));
    lstFiles->selectionModel()->clear();
}

namespace {

// A folder as a change of working directory would take it: one that exists and may be entered,
// named without links, or a folder inside a game archive; empty when it cannot be.
QString enterable(const QString &folder)
{
    const QFileInfo found(folder);
    if (found.isDir())
        return found.isExecutable() ? found.canonicalFilePath() : QString();
    // ".." of an archive's top is the folder the archive lies in.
    if (const QFileInfo up(QDir::cleanPath(folder)); up.isDir())
        return up.isExecutable() ? up.canonicalFilePath() : QString();
    return archivedFolder(folder);
}

} // namespace

bool SoundPage::listFolder(const QString &folder)
{
    const QString entered = enterable(folder);
    if (entered.isEmpty())
        return false;
    folder_ = entered;
    // Nothing to clear before anything is loaded, as at start-up, where every step counts.
    if (session_.image() || !currentFileName_.isEmpty())
        clearFileDisplay();
    listCurrentFolder();
    return true;
}

QModelIndex SoundPage::selectedIndex() const
{
    const QModelIndexList selected = lstFiles->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.constFirst();
}

void SoundPage::selectEntry(const QString &name)
{
    QItemSelectionModel *selection = lstFiles->selectionModel();
    // The list hears of the change and draws it (blocking the model's signals would leave the
    // rows drawn as they were); only the page's own handler leaves it alone.
    const QScopedValueRollback<bool> programmatic(selectingEntry_, true);
    selection->clear();
    const int row = entries_->rowShowing(name);
    if (row >= 0)
        selection->setCurrentIndex(entries_->index(row), QItemSelectionModel::ClearAndSelect);
}

void SoundPage::refreshAndReselect()
{
    listCurrentFolder();
    reselectCurrentFile();
    lstFiles->setFocus();
}

void SoundPage::reselectCurrentFile()
{
    // Only a name that ends in a lower-case ".ogg" found nowhere earlier is reselected.
    const qsizetype n = currentFileName_.size();
    if (n > 4 && currentFileName_.indexOf(QStringLiteral(".ogg")) == n - 4) {
        selectEntry(currentFileName_);
        lstFilesClick();
    }
}

void SoundPage::startWith(const QString &fileName, const QString &problem)
{
    QString said = problem;
    if (!fileName.isEmpty()) {
        const QString before = currentFileName_;
        currentFileName_ = fileName;
        reselectCurrentFile();
        if (const QModelIndex selected = selectedIndex(); selected.isValid()) {
            lstFiles->scrollTo(selected);
        } else {
            currentFileName_ = before;
            said = tr(" %1 is not an .ogg sound listed here; its folder is listed.").arg(fileName);
        }
    }
    lstFiles->setFocus();
    if (!said.isEmpty())
        Q_EMIT status(said);
}

void SoundPage::reload()
{
    clearFileDisplay();
    refreshAndReselect();
}

void SoundPage::chooseFolder(const QString &startIn)
{
    QFileDialog *dialog = openDialog();
    if (!startIn.isEmpty())
        dialog->setDirectory(startIn);
    if (!settle())
        return;
    dialog->selectFile(QStringLiteral("Folder Selection."));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QFileInfo chosen(dialog->selectedFiles().constFirst());
    const QString entered = enterable(chosen.absolutePath());
    if (entered.isEmpty())
        return;
    currentFileName_ = chosen.fileName();
    Q_EMIT status(tr("Changing directory to ") +
                  QDir::toNativeSeparators(chosen.absolutePath() + QLatin1Char('/')));
    folder_ = entered;
    reload();
}

void SoundPage::openSound(const QString &path)
{
    const QFileInfo sound(path);
    if (!listFolder(sound.absolutePath())) {
        Q_EMIT status(tr(" Could not open the folder %1")
                          .arg(QDir::toNativeSeparators(sound.absolutePath())));
        return;
    }
    selectEntry(sound.fileName());
    lstFilesClick();
    lstFiles->scrollTo(lstFiles->currentIndex());
    lstFiles->setFocus();
}

void SoundPage::lstFilesClick()
{
    if (selectingEntry_)
        return;
    const QModelIndex entry = selectedIndex();
    if (!entry.isValid())
        return;
    if (!settle()) {
        selectEntry(currentFileName_);
        return;
    }
    clearFileDisplay();
    currentFileName_ = entry.data().toString();
    if (entry.data(FolderEntries::FolderRole).toBool())
        return;
    pnlFileName->setText(currentFileName_);
    loadSelectedSound();
}

void SoundPage::lstFilesDblClick()
{
    const QModelIndex entry = selectedIndex();
    if (!entry.isValid())
        return;
    currentFileName_ = entry.data().toString();
    if (!entry.data(FolderEntries::FolderRole).toBool())
        return;
    const QString inside = enterable(pathOf(entry.data(FolderEntries::NameRole).toString()));
    if (inside.isEmpty())
        return;
    folder_ = inside;
    listCurrentFolder();
}

bool SoundPage::lstFilesKeyPress(int key)
{
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !selectedIndex().isValid())
        return false;
    lstFilesDblClick();
    return true;
}

} // namespace kelvane
