#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;

namespace kelvane {

class DesktopLauncher;

// Help and About: the help text beside the executable, in the window's language, opened by the
// desktop or shown here when the desktop has nothing to open it with; About in a message box.
class HelpDesk final : public QObject
{
    Q_OBJECT

public:
    HelpDesk(QWidget *window, DesktopLauncher *launcher);

    // The executable's folder, with its separator at the end.
    [[nodiscard]] const QString &programDir() const { return programDir_; }
    void showHelp();
    void showAbout();

Q_SIGNALS:
    void status(const QString &text);

private:
    void showHelpText(const QString &path);

    QWidget *window_;
    DesktopLauncher *launcher_;
    QString programDir_;
    QPointer<QDialog> helpViewer_; // the help text, when the desktop cannot show it
};

} // namespace kelvane
