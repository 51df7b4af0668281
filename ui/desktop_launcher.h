#pragma once

#include <QString>

namespace kelvane {

// What the window hands to the desktop: the file manager on a folder, a document to its
// associated program. Tests put a recorder in its place so that nothing real starts.
class DesktopLauncher
{
public:
    virtual ~DesktopLauncher() = default;
    virtual bool openFolder(const QString &path) = 0;
    virtual bool openDocument(const QString &path) = 0;
};

// Opens through QDesktopServices: no shell, so no path can inject a command.
class SystemDesktopLauncher final : public DesktopLauncher
{
public:
    bool openFolder(const QString &path) override;
    bool openDocument(const QString &path) override;
};

} // namespace kelvane
