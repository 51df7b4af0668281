#include "file_dialog_fitting.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

namespace kelvane {

namespace {

constexpr QSize kLeastDialogSize(760, 460);

// The side bar's width that shows each of its places whole.
int sideBarWidth(const QAbstractItemView *sideBar)
{
    int widest = 0;
    const QAbstractItemModel *places = sideBar->model();
    for (int row = 0; places && row < places->rowCount(); ++row)
        widest = std::max(widest, sideBar->sizeHintForIndex(places->index(row, 0)).width());
    return widest + 2 * sideBar->frameWidth() + sideBar->verticalScrollBar()->sizeHint().width() +
           8;
}

} // namespace

void fitFileDialog(QFileDialog *dialog)
{
    // Once per dialog: a dialog kept between uses keeps the user's own resizing.
    if (!dialog->property("kelvaneFitted").toBool()) {
        dialog->setProperty("kelvaneFitted", true);
        dialog->resize(dialog->sizeHint().expandedTo(kLeastDialogSize));
        // The details' columns as wide as what they hold, once a folder is read: a translated
        // type or a long date is cut otherwise, beside empty room.
        auto *files = dialog->findChild<QFileSystemModel *>();
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        if (files && details)
            QObject::connect(files, &QFileSystemModel::directoryLoaded, details, [details] {
                for (int column = 1; column < details->header()->count(); ++column)
                    details->resizeColumnToContents(column);
            });
    }
    // Its places are laid out once it is shown, inside exec().
    QTimer::singleShot(0, dialog, [dialog] {
        auto *sideBar = dialog->findChild<QAbstractItemView *>(QStringLiteral("sidebar"));
        auto *splitter = dialog->findChild<QSplitter *>(QStringLiteral("splitter"));
        if (!dialog->isVisible() || !sideBar || !splitter || splitter->count() != 2)
            return;
        const QList<int> sizes = splitter->sizes();
        const int wanted = sideBarWidth(sideBar);
        if (sizes.at(0) >= wanted)
            return;
        const int total = sizes.at(0) + sizes.at(1);
        splitter->setSizes({wanted, std::max(total - wanted, 0)});
    });
}

void makeFolderDialog(QFileDialog *dialog, const char *objectName)
{
    dialog->setObjectName(QLatin1String(objectName));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    fitFileDialog(dialog);
}

} // namespace kelvane
