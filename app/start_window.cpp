#include "start_window.h"

#include "kelvane_window.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvane {

std::unique_ptr<KelvaneWindow> makeStartWindow(const StartRequest &request,
                                               DesktopLauncher *launcher)
{
    QString problem = request.problem;
    QString fileName = request.fileName;
    // The window lists the working directory as it is made: the folder becomes it first.
    if (!request.folder.isEmpty() && !QDir::setCurrent(request.folder)) {
        problem =
            QCoreApplication::translate(
                "StartRequest", " Could not open the folder %1; the working folder is listed.")
                .arg(request.folder);
        fileName.clear();
    }
    auto form = std::make_unique<KelvaneWindow>(launcher);
    form->startWith(fileName, problem);
    if (request.allSounds)
        form->showAllSounds(true);
    return form;
}

} // namespace kelvane
