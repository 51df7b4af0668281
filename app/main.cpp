#include "game_sound_types.h"
#include "sound_reader.h"

#include <csignal>

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

QString fromStd(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void printSound(QTextStream &out, const QString &name)
{
    out << name << '\n';
    const kelvane::LoadResult loaded = kelvane::loadSoundFile(name, name);
    if (!loaded.image) {
        out << "  " << loaded.failure << "\n\n";
        return;
    }
    const kelvane::Inspection &found = loaded.inspection;
    for (const std::string &line : found.infoLines)
        out << "  | " << fromStd(line) << '\n';
    if (found.shownAttrs) {
        const kelvane::TSoundAttributes &a = *found.shownAttrs;
        out << "  Game Sound Type:     "
            << QString::fromLatin1(
                   kelvane::GameSoundTypes[kelvane::gameTypeIndex(a.gameType)].name.data())
            << '\n'
            << "  Base Sound Volume:   " << a.baseValue << '\n'
            << "  Minimum Distance:    " << a.minDist << '\n'
            << "  Maximum Distance:    " << a.maxDist << '\n'
            << "  Maximum AI Distance: " << a.maxAIDist << '\n';
    }
    if (!found.attrStatus.empty())
        out << "  [" << fromStd(found.attrStatus) << "]\n";
    out << "  " << fromStd(found.statusLine) << "\n\n";
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit must make a save fail cleanly, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() > 1 && !QDir::setCurrent(args.at(1))) {
        QTextStream(stderr) << "Cannot enter " << args.at(1) << '\n';
        return 1;
    }
    const QStringList names =
        QDir::current().entryList({QStringLiteral("*.ogg")}, QDir::Files, QDir::Name);
    out << "Sound files in " << QDir::currentPath() << "\n\n";
    for (const QString &name : names)
        printSound(out, name);
    return 0;
}
