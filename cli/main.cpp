// kelvane-cli: the window's reading, checks, block insertion, rules and safe saving for whole
// folders of sounds, from a script.
#include "commands.h"
#include "game_sound_types.h"
#include "kelvane_version.h"
#include "number_text.h"

#include <csignal>

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

using kelvane::cli::Options;

constexpr int kBadUsage = 2;

struct Command
{
    const char *name;
    const char *summary;
};

constexpr Command kCommands[] = {
    {"show", "the details and attributes of each sound"},
    {"check", "the shape, block and checksum of each sound, and what the games reject"},
    {"set", "change the named attributes of each sound"},
    {"copy", "write the block of FROM into every other sound"},
    {"fix", "repair wrong checksums and give a default block to sounds without one"},
};

std::optional<std::uint32_t> parseType(const QString &text)
{
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        bool ok = false;
        const uint code = text.mid(2).toUInt(&ok, 16);
        return ok ? std::optional<std::uint32_t>(code) : std::nullopt;
    }
    for (const kelvane::GameSoundType &type : kelvane::GameSoundTypes) {
        if (text.compare(QLatin1String(type.name.data(), qsizetype(type.name.size())),
                         Qt::CaseInsensitive) == 0)
            return type.code;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit must fail a save cleanly, not end the batch.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvane-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvane::kVersion));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString commandHelp;
    for (const Command &command : kCommands)
        commandHelp += QStringLiteral("\n  %1  %2")
                           .arg(QLatin1String(command.name), -6)
                           .arg(QLatin1String(command.summary));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows, checks and changes the attribute blocks of S.T.A.L.K.E.R. sound "
                       "files (.ogg) in whole folders.\nCommands:") +
        commandHelp);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command."),
                                 QStringLiteral("COMMAND"));
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 QStringLiteral("Sound files, or folders of them."),
                                 QStringLiteral("PATH..."));
    const QCommandLineOption recursive({"r", "recursive"}, "Go into sub-folders too.");
    const QCommandLineOption json("json", "show: one JSON object per file, for scripts.");
    const QCommandLineOption allPages("all-pages", "check: every page's framing and checksum.");
    const QCommandLineOption strict("strict", "check: warnings count as failures.");
    const QCommandLineOption type("type", "set: game sound type, by name or 0xCODE.", "type");
    const QCommandLineOption volume("volume", "set: base sound volume, 0.0 to 2.0.", "x");
    const QCommandLineOption minDist("min", "set: minimum distance.", "x");
    const QCommandLineOption maxDist("max", "set: maximum distance.", "x");
    const QCommandLineOption aiDist("ai", "set: maximum AI distance.", "x");
    const QCommandLineOption noBackup("no-backup", "set, copy, fix: make no .bak backup.");
    const QCommandLineOption dryRun("dry-run",
                                    "set, copy, fix: write nothing, say what would change.");
    const QCommandLineOption upgrade("upgrade", "fix: turn older blocks into version 3 blocks.");
    parser.addOptions({recursive, json, allPages, strict, type, volume, minDist, maxDist, aiDist,
                       noBackup, dryRun, upgrade});

    if (!parser.parse(QCoreApplication::arguments())) {
        err << "kelvane-cli: " << parser.errorText() << Qt::endl;
        return kBadUsage;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();

    QStringList positional = parser.positionalArguments();
    const QString command = positional.isEmpty() ? QString() : positional.takeFirst();
    const auto usage = [&](const QString &problem) {
        err << "kelvane-cli: " << problem << Qt::endl << "Try 'kelvane-cli --help'." << Qt::endl;
        return kBadUsage;
    };
    const bool known =
        std::any_of(std::begin(kCommands), std::end(kCommands),
                    [&](const Command &c) { return command == QLatin1String(c.name); });
    if (!known)
        return usage(command.isEmpty() ? QStringLiteral("no command given")
                                       : QStringLiteral("unknown command '%1'").arg(command));

    Options options;
    options.recursive = parser.isSet(recursive);
    options.json = parser.isSet(json);
    options.allPages = parser.isSet(allPages);
    options.strict = parser.isSet(strict);
    options.noBackup = parser.isSet(noBackup);
    options.dryRun = parser.isSet(dryRun);
    options.upgrade = parser.isSet(upgrade);
    if (parser.isSet(type)) {
        options.gameType = parseType(parser.value(type));
        if (!options.gameType)
            return usage(QStringLiteral("--type: no sound type '%1'").arg(parser.value(type)));
    }
    // Numbers are read with "." whatever the locale, and refused as the window refuses them.
    const std::pair<const QCommandLineOption *, std::optional<float> *> numbers[] = {
        {&volume, &options.volume},
        {&minDist, &options.minDist},
        {&maxDist, &options.maxDist},
        {&aiDist, &options.maxAIDist}};
    for (const auto &[option, target] : numbers) {
        if (!parser.isSet(*option))
            continue;
        *target = kelvane::parseNumber(parser.value(*option), QLatin1Char('.'));
        if (!*target)
            return usage(QStringLiteral("--%1 %2: Floating point value is not valid.")
                             .arg(option->names().constFirst(), parser.value(*option)));
    }
    if (command == QLatin1String("copy")) {
        if (positional.isEmpty())
            return usage(QStringLiteral("copy needs FROM and at least one PATH"));
        options.from = positional.takeFirst();
    }
    if (positional.isEmpty())
        return usage(QStringLiteral("%1 needs at least one PATH").arg(command));
    options.paths = positional;

    kelvane::cli::Runner runner(out, err);
    if (command == QLatin1String("show"))
        return runner.show(options);
    if (command == QLatin1String("check"))
        return runner.check(options);
    if (command == QLatin1String("set"))
        return runner.set(options);
    if (command == QLatin1String("copy"))
        return runner.copy(options);
    return runner.fix(options);
}
