#include "start_window.h"

#include "kelvane_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kelvane {

std::unique_ptr<KelvaneWindow> makeStartWindow(const StartRequest &request,
                                               DesktopLauncher *launcher)
{
    QString problem = request.problem;
    QString fileName = request.fileName;
    // A folder inside a game archive: the working directory is the archive's own folder.
    QString real = request.folder;
    while (!real.isEmpty() && !QFileInfo(real).isDir() && real != QFileInfo(real).path())
        real = QFileInfo(real).path();
    const bool archived = real != request.folder;
    // The window lists the working directory as it is made: the folder becomes it first.
    if (!request.folder.isEmpty() && !QDir::setCurrent(real)) {
        problem =
            QCoreApplication::translate(
                "StartRequest", " Could not open the folder %1; the working folder is listed.")
                .arg(request.folder);
        fileName.clear();
    }
    auto form = std::make_unique<KelvaneWindow>(launcher);
    if (archived && problem.isEmpty())
        (void)form->listFolder(request.folder);
    form->startWith(fileName, problem);
    if (request.allSounds)
        form->showAllSounds(true);
    return form;
}

} // namespace kelvane
