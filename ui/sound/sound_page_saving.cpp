// Writing the loaded sound back: the backup or the Save-as dialog, the write itself (shared with
// every front end), and bringing the list and the folder up to date.
#include "caption_panel.h"
#include "game_rules.h"
#include "load_report.h"
#include "message.h"
#include "message_words.h"
#include "qt_text.h"
#include "sound_page.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace kelvane {

bool SoundPage::saveLoadedSound(bool chooseTarget)
{
    if (!session_.canSave())
        return false;
    QString target = pathOf(currentFileName_);
    QString shownTarget = currentFileName_;
    Backup backup = Backup::None;
    if (chooseTarget) {
        QFileDialog *dialog = saveDialog();
        dialog->setDirectory(folder_);
        dialog->selectFile(currentFileName_);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return false;
        target = dialog->selectedFiles().constFirst();
        shownTarget = QDir::toNativeSeparators(target);
    } else if (makeBackups_()) {
        backup = Backup::IfAbsent;
    }
    const QString targetFolder = QFileInfo(target).absolutePath();

    const SaveResult saved = session_.write(target, shownTarget, backup);
    if (!saved.ok) {
        // How to load the file again, after a file changed meanwhile.
        showAttrStatus(translated(saved.failure) +
                       (saved.problem == SaveProblem::Changed
                            ? tr(" Ctrl-click Select Drive/Directory to reload it.")
                            : QString()));
        return false;
    }
    Q_EMIT status(tr(" Wrote %1 bytes").arg(saved.bytesWritten));
    if (!saved.notes.empty())
        showAttrStatus(tr(" Saved; %1.").arg(translated(saved.notes).join(QStringLiteral("; "))));
    showTracking();

    // The folder is compared as exact text: the same folder spelled in other letters counts as
    // another one.
    if (targetFolder == folder_) {
        if (chooseTarget) {
            currentFileName_ = QFileInfo(target).fileName();
            refreshAndReselect();
        } else {
            showSavedDetails();
        }
    } else {
        // The listed folder stays listed; when it has gone, the target's folder is listed
        // instead.
        currentFileName_ = kNoFileSelected;
        if (!listFolder(folder_))
            listFolder(targetFolder);
        lstFiles->setFocus();
    }
    return true;
}

// After a save the details describe the file now on disk: its checksum and size, and no more
// the block inserted in memory. The image is the file, so inspecting it again says so.
void SoundPage::showSavedDetails()
{
    const Inspection now = session_.inspectSaved();
    updateGameWarnings();
    const int shown = cmbInfo->currentIndex();
    cmbInfo->clear();
    for (const Message &line : now.infoLines)
        cmbInfo->addItem(translated(line));
    addBackupDetail(); // the save may have made it
    cmbInfo->setCurrentIndex(std::min(shown, cmbInfo->count() - 1));
}

} // namespace kelvane
