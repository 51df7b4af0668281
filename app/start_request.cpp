#include "start_request.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace kelvane {

namespace {

// A folder to list or a sound to load; a path that cannot be entered leaves the working
// directory and says why.
void placeStart(const QString &path, StartRequest &request)
{
    const QFileInfo info(path);
    const auto notHere = [&](const QString &what) {
        request.problem = what + path + QStringLiteral("; the working folder is listed.");
    };
    if (!info.exists()) {
        notHere(QStringLiteral(" Could not find "));
    } else if (info.isDir()) {
        if (info.isExecutable())
            request.folder = info.absoluteFilePath();
        else
            notHere(QStringLiteral(" Could not open the folder "));
    } else if (!info.dir().isReadable() || !QFileInfo(info.absolutePath()).isExecutable()) {
        notHere(QStringLiteral(" Could not open the folder of "));
    } else {
        request.folder = info.absolutePath();
        request.fileName = info.fileName();
    }
}

} // namespace

StartRequest readStartArguments(const QStringList &arguments, bool final)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows and edits the game attributes of Ogg Vorbis sounds.\n"
                       "With a folder, lists it; with sounds, lists the folder of the first and "
                       "loads it.\nkelvane-cli does the same work on whole folders."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption overview(
        QStringLiteral("overview"),
        QStringLiteral("Starts on the overview of every sound of the folder and its sub-folders."));
    parser.addOption(overview);
    parser.addPositionalArgument(QStringLiteral("path"),
                                 QStringLiteral("A folder of sounds, or sounds to open."),
                                 QStringLiteral("[FOLDER | SOUND.ogg ...]"));
    const bool parsed = parser.parse(arguments);

    StartRequest request;
    if (parser.isSet(help) || parser.isSet(version)) {
        request.action = StartRequest::Print;
        request.printed = parser.isSet(help)
                              ? parser.helpText()
                              : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                    QCoreApplication::applicationVersion() + QLatin1Char('\n');
    } else if (!parsed && final) {
        request.action = StartRequest::BadUsage;
        request.printed = parser.errorText() + QStringLiteral("\nTry '") +
                          QCoreApplication::applicationName() +
                          QStringLiteral(" --help' for more information.\n");
    } else if (!parser.positionalArguments().isEmpty()) {
        placeStart(parser.positionalArguments().constFirst(), request);
    }
    request.overview = parser.isSet(overview);
    return request;
}

} // namespace kelvane
