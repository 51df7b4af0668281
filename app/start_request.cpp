#include "start_request.h"

#include "archive_listing.h"
#include "window_language.h"

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
    const auto notHere = [&](const char *what) {
        request.problem = QCoreApplication::translate("StartRequest", what).arg(path);
    };
    // A game archive, a folder inside one, or a sound inside one.
    if (!info.isDir()) {
        if (const QString inside = archivedFolder(path); !inside.isEmpty()) {
            request.folder = inside;
            return;
        }
        if (const QString folder = archivedFolder(info.path());
            !info.exists() && !folder.isEmpty()) {
            request.folder = folder;
            request.fileName = info.fileName();
            return;
        }
    }
    if (!info.exists()) {
        notHere(
            QT_TRANSLATE_NOOP("StartRequest", " Could not find %1; the working folder is listed."));
    } else if (info.isDir()) {
        if (info.isExecutable())
            request.folder = info.absoluteFilePath();
        else
            notHere(QT_TRANSLATE_NOOP(
                "StartRequest", " Could not open the folder %1; the working folder is listed."));
    } else if (!info.dir().isReadable() || !QFileInfo(info.absolutePath()).isExecutable()) {
        notHere(QT_TRANSLATE_NOOP(
            "StartRequest", " Could not open the folder of %1; the working folder is listed."));
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
    const QCommandLineOption allSounds(
        QStringLiteral("all-sounds"),
        QStringLiteral("Starts on the table of every sound of the folder and its sub-folders."));
    parser.addOption(allSounds);
    const QStringList languages = windowLanguages();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The window's language: %1 or %2 (default: the user's own).")
            .arg(languages.mid(0, languages.size() - 1).join(QStringLiteral(", ")),
                 languages.constLast()),
        QStringLiteral("LANG"));
    parser.addOption(language);
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
    request.allSounds = parser.isSet(allSounds);
    request.language = parser.value(language);
    if (final && request.action == StartRequest::OpenWindow && parser.isSet(language) &&
        !windowLanguages().contains(request.language)) {
        request.action = StartRequest::BadUsage;
        request.printed = QStringLiteral("--language %1: one of %2\n")
                              .arg(request.language, windowLanguages().join(QStringLiteral(", ")));
    }
    return request;
}

} // namespace kelvane
