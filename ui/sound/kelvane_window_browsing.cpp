// The file list and the folder strip. The listed folder is always the working directory, and
// the list holds bare names that are opened relative to it.
#include "caption_panel.h"
#include "desktop_launcher.h"
#include "folder_listing.h"
#include "kelvane_window.h"
#include "sound_table_panel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QScopedValueRollback>
#include <QStringListModel>

namespace kelvane {

namespace {

const QString kFolderPrefix = QStringLiteral("<dir>  ");

// The folder as the title panel shows it: with its separator at the end, in the system's own
// separators ("C:\Sounds\" on Windows).
QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return QDir::toNativeSeparators(path);
}

} // namespace

void KelvaneWindow::showFolderLine(const QString &folder)
{
    pnlCurrentDir->setText(withSeparator(folder));
}

void KelvaneWindow::listCurrentFolder()
{
    const QDir dir(QDir::currentPath());
    showFolderLine(dir.absolutePath());

    // ".." is listed except at the root.
    const FolderListing listing = listFolder(dir.path());
    QStringList entries;
    entries.reserve(listing.folders.size() + listing.sounds.size() + 1);
    if (!dir.isRoot())
        entries << kFolderPrefix + QStringLiteral("..");
    for (const QString &name : listing.folders)
        entries << kFolderPrefix + name;
    entries << listing.sounds;
    const QScopedValueRollback<bool> programmatic(selectingEntry_, true);
    fileEntries_->setStringList(entries);
    lstFiles->selectionModel()->clear();
    // The sound table shows the same folder: a new listing lists its tree again.
    if (allSoundsShown())
        pnlAllSounds->scan(QDir::currentPath());
}

bool isFolderEntry(const QString &entry)
{
    return entry.startsWith(kFolderPrefix);
}

QString KelvaneWindow::selectedEntry() const
{
    const QModelIndexList selected = lstFiles->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.constFirst().data().toString();
}

void KelvaneWindow::selectEntry(const QString &name)
{
    QItemSelectionModel *selection = lstFiles->selectionModel();
    // The list hears of the change and draws it (blocking the model's signals would leave the
    // rows drawn as they were); only the window's own handler leaves it alone.
    const QScopedValueRollback<bool> programmatic(selectingEntry_, true);
    selection->clear();
    const QStringList &entries = fileEntries_->stringList();
    for (qsizetype row = 0; row < entries.size(); ++row) {
        if (entries.at(row).compare(name, Qt::CaseInsensitive) == 0) {
            selection->setCurrentIndex(fileEntries_->index(int(row)),
                                       QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
}

void KelvaneWindow::refreshAndReselect()
{
    listCurrentFolder();
    reselectCurrentFile();
    lstFiles->setFocus();
}

void KelvaneWindow::reselectCurrentFile()
{
    // Only a name that ends in a lower-case ".ogg" found nowhere earlier is reselected.
    const qsizetype n = currentFileName_.size();
    if (n > 4 && currentFileName_.indexOf(QStringLiteral(".ogg")) == n - 4) {
        selectEntry(currentFileName_);
        lstFilesClick();
    }
}

void KelvaneWindow::startWith(const QString &fileName, const QString &problem)
{
    QString said = problem;
    if (!fileName.isEmpty()) {
        const QString before = currentFileName_;
        currentFileName_ = fileName;
        reselectCurrentFile();
        const QModelIndexList selected = lstFiles->selectionModel()->selectedIndexes();
        if (!selected.isEmpty()) {
            lstFiles->scrollTo(selected.constFirst());
        } else {
            currentFileName_ = before;
            said = tr(" %1 is not an .ogg sound listed here; its folder is listed.").arg(fileName);
        }
    }
    lstFiles->setFocus();
    if (!said.isEmpty())
        setStatusText(said);
}

void KelvaneWindow::btnMouseDown(Qt::KeyboardModifiers modifiers)
{
    shiftDown_ = modifiers.testFlag(Qt::ShiftModifier);
    ctrlDown_ = modifiers.testFlag(Qt::ControlModifier);
}

void KelvaneWindow::btnSelectDirectoryClick()
{
    if (shiftDown_) {
        const QString folder = pnlCurrentDir->text();
        setStatusText(tr("Explorer.exe /n,/e,") + folder);
        launcher_->openFolder(folder);
        return;
    }
    if (!querySaveChanges())
        return;
    if (ctrlDown_) {
        clearFileDisplay();
        refreshAndReselect();
        return;
    }
    QFileDialog *dialog = openDialog();
    dialog->selectFile(QStringLiteral("Folder Selection."));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QFileInfo chosen(dialog->selectedFiles().constFirst());
    currentFileName_ = chosen.fileName();
    const QString chosenFolder = withSeparator(chosen.absolutePath());
    // Qt's dialog leaves the working directory alone; the chosen folder becomes it here.
    QDir::setCurrent(chosenFolder);
    pnlCurrentDir->setText(chosenFolder);
    setStatusText(tr("Changing directory to ") + chosenFolder);
    clearFileDisplay();
    refreshAndReselect();
}

void KelvaneWindow::pnlCurrentDirClick()
{
    openDialog()->setDirectory(pnlCurrentDir->text());
    btnSelectDirectoryClick();
}

void KelvaneWindow::lstFilesClick()
{
    if (selectingEntry_)
        return;
    const QString entry = selectedEntry();
    if (entry.isNull())
        return;
    if (!querySaveChanges()) {
        selectEntry(currentFileName_);
        return;
    }
    clearFileDisplay();
    currentFileName_ = entry;
    if (isFolderEntry(currentFileName_))
        return;
    pnlFileName->setText(currentFileName_);
    loadSelectedSound();
}

void KelvaneWindow::lstFilesDblClick()
{
    const QString entry = selectedEntry();
    if (entry.isNull())
        return;
    currentFileName_ = entry;
    if (!isFolderEntry(currentFileName_))
        return;
    if (!QDir::setCurrent(currentFileName_.mid(kFolderPrefix.size())))
        return;
    listCurrentFolder();
}

bool KelvaneWindow::lstFilesKeyPress(int key)
{
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || selectedEntry().isNull())
        return false;
    lstFilesDblClick();
    return true;
}

} // namespace kelvane
