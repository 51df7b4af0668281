#pragma once

#include <functional>

#include <QString>

namespace kelvane {

// What the window hands to the desktop: the file manager on a folder, a document to its
// associated program. Tests put a recorder in its place so that nothing real starts.
class DesktopLauncher
{
public:
    virtual ~DesktopLauncher() = default;
    virtual bool openFolder(const QString &path) = 0;
    // Calls `failed` when the desktop cannot open the document, at once or as soon as the
    // desktop's opener says so.
    virtual void openDocument(const QString &path, std::function<void()> failed) = 0;
};

// Opens through the desktop's own opener: no shell, so no path can inject a command.
class SystemDesktopLauncher final : public DesktopLauncher
{
public:
    bool openFolder(const QString &path) override;
    void openDocument(const QString &path, std::function<void()> failed) override;
};

} // namespace kelvane
