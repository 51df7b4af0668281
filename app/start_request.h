#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// What the command line asks of the window: `kelvane [--all-sounds] [FOLDER | SOUND.ogg ...]`.
struct StartRequest
{
    enum Action
    {
        OpenWindow,
        Print,
        BadUsage
    };
    Action action = OpenWindow;
    QString printed;        // the help or version text, or what is wrong with the command line
    QString folder;         // the folder to list, empty for the working directory
    QString fileName;       // the sound to select and load in it
    QString problem;        // for the status bar: why the window starts in the working directory
    bool allSounds = false; // start on the table of every sound of the folder tree
    QString language;       // --language: en, ru or uk; empty for the user's own
};

// Reads the arguments; `final` once the toolkit has taken its own options out of them, before
// which an unknown option is no fault yet.
StartRequest readStartArguments(const QStringList &arguments, bool final);

} // namespace kelvane
