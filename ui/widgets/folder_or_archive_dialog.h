#pragma once

#include <QFileDialog>

namespace kelvane {

// Qt's own dialog choosing a folder that also lets a game archive be chosen: the archives are
// listed among the folders, and one of them is taken as a double click, Open or Enter takes a
// folder. Fitted like the other file dialogs.
class FolderOrArchiveDialog : public QFileDialog
{
    Q_OBJECT

public:
    FolderOrArchiveDialog(QWidget *parent, const QString &caption, const QString &folder,
                          const char *objectName);

    void accept() override;

private:
    [[nodiscard]] bool archiveChosen() const;
    void allowArchive();
};

} // namespace kelvane
