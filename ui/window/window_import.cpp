// Making game sounds from the window: the import dialog for sources chosen or dropped, and for
// the sounds the game refuses; what was made is listed, the first one loaded.
#include "archive_place.h"
#include "import_dialog.h"
#include "kelvane_window.h"
#include "message_words.h"
#include "sound_page.h"
#include "sound_table_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace kelvane {

void KelvaneWindow::importSounds(const QStringList &sources)
{
    // The new sounds may replace the loaded one: its edits are settled first.
    if (!pnlSound->settle() || (allSoundsShown() && !pnlAllSounds->settle()))
        return;
    // Nothing is written into a game archive: said before any sound is made.
    if (const auto place =
            QFileInfo(listedFolder()).isDir() ? std::nullopt : archivePlaceOf(listedFolder())) {
        const QString archive = QDir::toNativeSeparators(place->archive);
        QMessageBox refused(
            QMessageBox::Warning, ImportDialog::tr("Import Sounds"),
            translated(Message(MessageKind::InsideArchive, {archive.toStdString()})),
            QMessageBox::Ok, this);
        refused.setObjectName(QStringLiteral("importRefused"));
        refused.exec();
        return;
    }
    ImportDialog dialog(sources, listedFolder(),
                        cbxRenameOriginals->isChecked() ? Backup::IfAbsent : Backup::None, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString first = dialog.firstWritten();
    const auto count = [&](MadeSound::Result result) {
        return std::count_if(dialog.made().begin(), dialog.made().end(),
                             [&](const MadeSound &sound) { return sound.result == result; });
    };
    if (allSoundsShown())
        leaveAllSounds();
    if (first.isEmpty())
        pnlSound->reload();
    else
        pnlSound->openSound(first);
    setStatusText(tr(" Made %n game sound(s); %1 kept as they were; %2 failed.", nullptr,
                     int(count(MadeSound::Written)))
                      .arg(count(MadeSound::Kept))
                      .arg(count(MadeSound::Failed)));
}

void KelvaneWindow::makeGameReady(const std::vector<GameReadyJob> &jobs)
{
    ImportDialog dialog(jobs, cbxRenameOriginals->isChecked() ? Backup::IfAbsent : Backup::None,
                        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The sounds on disk are others now: the view reads them again.
    if (allSoundsShown())
        pnlAllSounds->scan(pnlSound->folder());
    else
        pnlSound->reload();
    const auto written =
        std::count_if(dialog.made().begin(), dialog.made().end(),
                      [](const MadeSound &s) { return s.result == MadeSound::Written; });
    setStatusText(tr(" %n sound(s) encoded again at 44100 Hz.", nullptr, int(written)));
}

} // namespace kelvane
