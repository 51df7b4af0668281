#include "folder_or_archive_dialog.h"

#include "archive_collection.h"
#include "file_dialog_fitting.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

FolderOrArchiveDialog::FolderOrArchiveDialog(QWidget *parent, const QString &caption,
                                             const QString &folder, const char *objectName)
    : QFileDialog(parent, caption, folder)
{
    makeFolderDialog(this, objectName);
    setOption(QFileDialog::ShowDirsOnly, false);
    setNameFilter(tr("Folders and game archives (*.db* *.xdb*)")); // in any letter case
    // Qt's dialog enables Open for folders alone, each time the choice changes: the archive is
    // allowed once it has done so.
    connect(this, &QFileDialog::currentChanged, this, &FolderOrArchiveDialog::allowArchive,
            Qt::QueuedConnection);
    if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        connect(name, &QLineEdit::textChanged, this, &FolderOrArchiveDialog::allowArchive,
                Qt::QueuedConnection);
}

bool FolderOrArchiveDialog::archiveChosen() const
{
    const QStringList files = selectedFiles();
    if (files.size() != 1)
        return false;
    const QFileInfo info(files.constFirst());
    return info.isFile() && archivedKindOf(info.filePath(), true, false) == ArchivedKind::Archive;
}

void FolderOrArchiveDialog::allowArchive()
{
    if (!archiveChosen())
        return;
    if (auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
        if (QPushButton *open = buttons->button(QDialogButtonBox::Open))
            open->setEnabled(true);
}

void FolderOrArchiveDialog::accept()
{
    // Qt's dialog keeps itself open when a file is chosen in a folder dialog.
    if (archiveChosen())
        QDialog::accept();
    else
        QFileDialog::accept();
}

} // namespace kelvane
