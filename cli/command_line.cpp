#include "command_line.h"

#include "game_sound_types.h"
#include "number_text.h"

#include <algorithm>

#include <QCommandLineParser>
#include <QThread>

namespace kelvane::cli {

namespace {

constexpr int kBadUsage = 2;

constexpr Command kCommands[] = {
    {"show", "the details and attributes of each sound", &Runner::show},
    {"check", "the shape, block and checksum of each sound, and what the games reject",
     &Runner::check},
    {"set", "change the named attributes of each sound", &Runner::set},
    {"copy", "write the block of FROM into every other sound", &Runner::copy},
    {"fix", "repair wrong checksums and give a default block to sounds without one", &Runner::fix},
};

std::optional<std::uint32_t> parseType(const QString &text)
{
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        bool ok = false;
        const uint code = text.mid(2).toUInt(&ok, 16);
        return ok ? std::optional<std::uint32_t>(code) : std::nullopt;
    }
    for (const GameSoundType &type : GameSoundTypes) {
        if (text.compare(QLatin1String(type.name.data(), qsizetype(type.name.size())),
                         Qt::CaseInsensitive) == 0)
            return type.code;
    }
    return std::nullopt;
}

// The parser with every option; the options are kept in the order they are declared here.
class Parser
{
public:
    Parser();
    [[nodiscard]] std::optional<QString> read(const QStringList &arguments, Invocation &into);
    QCommandLineParser parser;

private:
    std::optional<QString> readValues(Options &options);

    const QCommandLineOption help_ = parser.addHelpOption();
    const QCommandLineOption version_ = parser.addVersionOption();
    const QCommandLineOption recursive_{{"r", "recursive"}, "Go into sub-folders too."};
    const QCommandLineOption json_{"json", "show: one JSON object per file, for scripts."};
    const QCommandLineOption allPages_{"all-pages", "check: every page's framing and checksum."};
    const QCommandLineOption strict_{"strict", "check: warnings count as failures."};
    const QCommandLineOption type_{"type", "set: game sound type, by name or 0xCODE.", "type"};
    const QCommandLineOption volume_{"volume", "set: base sound volume, 0.0 to 2.0.", "x"};
    const QCommandLineOption minDist_{"min", "set: minimum distance.", "x"};
    const QCommandLineOption maxDist_{"max", "set: maximum distance.", "x"};
    const QCommandLineOption aiDist_{"ai", "set: maximum AI distance.", "x"};
    const QCommandLineOption noBackup_{"no-backup", "set, copy, fix: make no .bak backup."};
    const QCommandLineOption dryRun_{"dry-run",
                                     "set, copy, fix: write nothing, say what would change."};
    const QCommandLineOption upgrade_{"upgrade", "fix: turn older blocks into version 3 blocks."};
    const QCommandLineOption jobs_{
        "jobs", "show, check: files read at the same time (default: the number of cores).", "N"};
};

Parser::Parser()
{
    QString commandHelp;
    for (const Command &command : kCommands)
        commandHelp += QStringLiteral("\n  %1  %2")
                           .arg(QLatin1String(command.name), -6)
                           .arg(QLatin1String(command.summary));
    parser.setApplicationDescription(
        QStringLiteral("Shows, checks and changes the attribute blocks of S.T.A.L.K.E.R. sound "
                       "files (.ogg) in whole folders.\nCommands:") +
        commandHelp);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command."),
                                 QStringLiteral("COMMAND"));
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 QStringLiteral("Sound files, or folders of them."),
                                 QStringLiteral("PATH..."));
    parser.addOptions({recursive_, json_, allPages_, strict_, type_, volume_, minDist_, maxDist_,
                       aiDist_, noBackup_, dryRun_, upgrade_, jobs_});
}

// The option values; the problem with one, if any.
std::optional<QString> Parser::readValues(Options &options)
{
    options.recursive = parser.isSet(recursive_);
    options.json = parser.isSet(json_);
    options.allPages = parser.isSet(allPages_);
    options.strict = parser.isSet(strict_);
    options.noBackup = parser.isSet(noBackup_);
    options.dryRun = parser.isSet(dryRun_);
    options.upgrade = parser.isSet(upgrade_);
    options.jobs = std::max(1, QThread::idealThreadCount());
    if (parser.isSet(jobs_)) {
        bool ok = false;
        options.jobs = parser.value(jobs_).toInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > 256)
            return QStringLiteral("--jobs %1: a number from 1 to 256").arg(parser.value(jobs_));
    }
    if (parser.isSet(type_)) {
        options.gameType = parseType(parser.value(type_));
        if (!options.gameType)
            return QStringLiteral("--type: no sound type '%1'").arg(parser.value(type_));
    }
    // Numbers are read with "." whatever the locale, and refused as the window refuses them.
    const std::pair<const QCommandLineOption *, std::optional<float> *> numbers[] = {
        {&volume_, &options.volume},
        {&minDist_, &options.minDist},
        {&maxDist_, &options.maxDist},
        {&aiDist_, &options.maxAIDist}};
    for (const auto &[option, target] : numbers) {
        if (!parser.isSet(*option))
            continue;
        *target = parseNumber(parser.value(*option), QLatin1Char('.'));
        if (!*target)
            return QStringLiteral("--%1 %2: Floating point value is not valid.")
                .arg(option->names().constFirst(), parser.value(*option));
    }
    return std::nullopt;
}

std::optional<QString> Parser::read(const QStringList &arguments, Invocation &into)
{
    if (!parser.parse(arguments))
        return parser.errorText();
    if (parser.isSet(help_))
        parser.showHelp(0);
    if (parser.isSet(version_))
        parser.showVersion();
    QStringList positional = parser.positionalArguments();
    const QString name = positional.isEmpty() ? QString() : positional.takeFirst();
    const auto *found =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&](const Command &c) { return name == QLatin1String(c.name); });
    if (found == std::end(kCommands))
        return name.isEmpty() ? QStringLiteral("no command given")
                              : QStringLiteral("unknown command '%1'").arg(name);
    into.command = found;
    if (auto problem = readValues(into.options))
        return problem;
    if (name == QLatin1String("copy")) {
        if (positional.isEmpty())
            return QStringLiteral("copy needs FROM and at least one PATH");
        into.options.from = positional.takeFirst();
    }
    if (positional.isEmpty())
        return QStringLiteral("%1 needs at least one PATH").arg(name);
    into.options.paths = positional;
    return std::nullopt;
}

} // namespace

std::optional<Invocation> readCommandLine(const QStringList &arguments, QTextStream &err,
                                          int &exitStatus)
{
    Parser parser;
    Invocation invocation;
    if (const auto problem = parser.read(arguments, invocation)) {
        err << "kelvane-cli: " << *problem << Qt::endl << "Try 'kelvane-cli --help'." << Qt::endl;
        exitStatus = kBadUsage;
        return std::nullopt;
    }
    exitStatus = 0;
    return invocation;
}

} // namespace kelvane::cli
