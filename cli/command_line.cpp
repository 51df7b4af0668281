#include "command_line.h"

#include "archive_collection.h"
#include "attribute_fields.h"
#include "attribute_rules.h"
#include "cli_options.h"
#include "english_text.h"
#include "game_sound_types.h"
#include "number_text.h"
#include "qt_text.h"
#include "sound_reader.h"
#include "type_option.h"

#include <algorithm>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

namespace kelvane::cli {

namespace {

constexpr int kBadUsage = 2;

// The commands in the order the help lists them.
const Command *const kCommands[] = {&kShowCommand,    &kCheckCommand, &kSetCommand,
                                    &kCopyCommand,    &kFixCommand,   &kEncodeCommand,
                                    &kRestoreCommand, &kCleanCommand, &kDiffCommand,
                                    &kExtractCommand, &kTypesCommand};

const char *const kExitStatus =
    "Exit status: 0 all well, 1 some file failed (check: some sound stops the game, a value "
    "it refuses, a sample rate other than 44100 Hz or a file its decoder cannot open; with "
    "--strict, a notice counts as a failure too; for diff, some pair differs), 2 bad usage "
    "(then no file is touched; for diff, also a sound or folder that could not be read).";

QString optionLine(const CliOption &s)
{
    QStringList names;
    for (const QString &name : s.option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString left = names.join(QStringLiteral(", "));
    if (!s.option.valueName().isEmpty())
        left += QLatin1Char(' ') + s.option.valueName();
    return QStringLiteral("  %1  %2\n").arg(left, -22).arg(QLatin1String(s.help));
}

QString generalHelp()
{
    QString text = QStringLiteral(
        "Usage: kelvane-cli COMMAND [options] PATH...\n"
        "Shows, checks and changes the attribute blocks of S.T.A.L.K.E.R. sound files (.ogg) "
        "in whole folders.\n\nCommands:\n");
    for (const Command *c : kCommands)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(c->name), -7).arg(c->summary);
    text += QStringLiteral("\nOptions (each command takes those its help lists):\n");
    for (const CliOption &s : allOptions())
        text += optionLine(s);
    return text +
           QStringLiteral("\n'kelvane-cli help COMMAND' shows one command's options and "
                          "an example.\n") +
           QLatin1String(kExitStatus) + QLatin1Char('\n');
}
QString commandHelp(const Command &c)
{
    QString summary = QString::fromLatin1(c.summary);
    summary[0] = summary[0].toUpper();
    QString text = QStringLiteral("Usage: kelvane-cli %1 [options] %2\n%3.\n\nOptions:\n")
                       .arg(c.name, c.arguments, summary);
    for (const QString &name : optionsOf(c))
        text += optionLine(optionNamed(name));
    text += optionLine(optionNamed(QStringLiteral("help")));
    return text + QStringLiteral("\nExample:\n  %1\n\n").arg(c.example) +
           QLatin1String(kExitStatus) + QLatin1Char('\n');
}

const Command *findCommand(const QString &name)
{
    const auto found =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&](const Command *c) { return name == QLatin1String(c->name); });
    return found == std::end(kCommands) ? nullptr : *found;
}

class Reader
{
public:
    explicit Reader(QCommandLineParser &parser)
        : parser_(parser)
    {}
    std::optional<QString> read(const Command &command, Options &options);

private:
    bool isSet(const char *name) const { return parser_.isSet(QLatin1String(name)); }
    QString value(const char *name) const { return parser_.value(QLatin1String(name)); }
    std::optional<QString> readFlags(const Command &command, Options &options);
    std::optional<QString> readNames(Options &options);
    std::optional<QString> readEdits(const Command &command, Options &options);
    std::optional<QString> readNumbers(Options &options);
    std::optional<QString> readSource(Options &options, QStringList &positional);
    std::optional<QString> readEncoding(const Command &command, Options &options);
    std::optional<QString> readPaths(const Command &command, Options &options);

    QCommandLineParser &parser_;
};

// The numbers of set, read with "." or ",", each checked on its own and the
// maximum against a minimum given with it; a file's own values are checked file by file.
std::optional<QString> Reader::readNumbers(Options &options)
{
    AttributeEdits &edits = options.edits;
    for (const FieldRow &field : kNumberFields) {
        const std::string key(field.key);
        const char *name = key.c_str();
        if (!isSet(name))
            continue;
        // "." or ",", whatever the system's locale: a script or a user's habit, never a
        // thousands separator.
        std::optional<float> &target = edits.*field.edit;
        target = parseNumber(value(name), QLatin1Char(','));
        if (!target)
            return QStringLiteral("--%1 %2: Floating point value is not valid.")
                .arg(QLatin1String(name), value(name));
    }
    const SoundAttributes wanted = edits.probe();
    const auto broken = firstRuleBroken(wanted);
    if (!broken)
        return std::nullopt;
    // Without --min each sound keeps its own minimum: a maximum below 0 is below any of them,
    // and no minimum is named that a sound does not have.
    if (*broken == AttributeField::MaxDist && !edits.minDist)
        return QStringLiteral("maximum distance %1 is below 0")
            .arg(QString::number(wanted.maxDist, 'g', 7));
    return english(ruleBreach(*broken, wanted));
}

// copy's FROM: a readable sound with a block, or bad usage.
std::optional<QString> Reader::readSource(Options &options, QStringList &positional)
{
    if (positional.isEmpty())
        return QStringLiteral("copy needs FROM and at least one PATH");
    options.from = positional.takeFirst();
    const LoadResult source =
        loadSoundFile(options.from, options.from, MissingBlock::InsertDefault, Access::FirstPages);
    if (source.refused())
        return QStringLiteral("copy: %1: %2").arg(options.from, english(source.whyRefused()));
    if (!source.inspection.shownAttrs || source.inspection.outcome == LoadOutcome::Inserted)
        return QStringLiteral("copy: %1 has no attribute block to copy").arg(options.from);
    options.fromAttrs = source.inspection.fileAttrs;
    return std::nullopt;
}

// How encode makes its sounds, and fix --game-ready.
std::optional<QString> Reader::readEncoding(const Command &command, Options &options)
{
    const QLatin1String name(command.name);
    options.output = value("o");
    options.toFolder = value("to");
    options.force = isSet("force");
    options.gameReady = isSet("game-ready");
    options.mono = isSet("mono");
    options.keepChannels = isSet("keep-channels");
    if (options.mono && options.keepChannels)
        return QStringLiteral("--mono and --keep-channels do not go together");
    if (options.mono && name == QLatin1String("fix") && !options.gameReady)
        return QStringLiteral("fix takes --mono with --game-ready");
    if (isSet("quality")) {
        options.quality = parseNumber(value("quality"), QLatin1Char(','));
        if (!options.quality || !(*options.quality >= -1.0f && *options.quality <= 10.0f))
            return QStringLiteral("--quality %1: a number from -1 to 10").arg(value("quality"));
    }
    if (isSet("like")) {
        const QString like = value("like");
        // An older block gives the values the game reads from it, in a version 3 block.
        const LoadResult source =
            loadSoundFile(like, like, MissingBlock::UpgradeOlder, Access::FirstPages);
        if (source.refused())
            return QStringLiteral("--like %1: %2").arg(like, english(source.whyRefused()));
        if (source.inspection.outcome == LoadOutcome::Inserted)
            return QStringLiteral("--like %1 has no attribute block to take").arg(like);
        options.like = source.inspection.fileAttrs;
    }
    if (name == QLatin1String("extract") && options.toFolder.isEmpty())
        return QStringLiteral("extract needs --to DIR, the folder the sounds go into (such as "
                              "mymod/gamedata)");
    if (name == QLatin1String("encode") && options.output.isEmpty() == options.toFolder.isEmpty())
        return QStringLiteral("encode needs either -o OUT.ogg (for one SOURCE) or --to DIR");
    return std::nullopt;
}

// The options the command takes, as flags and limits.
std::optional<QString> Reader::readFlags(const Command &command, Options &options)
{
    const QStringList taken = optionsOf(command);
    for (const QString &given : parser_.optionNames()) {
        const QString name = optionNamed(given).option.names().constLast();
        if (!taken.contains(name))
            return QStringLiteral(
                       "%1 does not take --%2 ('kelvane-cli help %1' lists what it takes)")
                .arg(QLatin1String(command.name), name);
    }
    options.recursive = isSet("recursive");
    options.json = isSet("json");
    options.table = isSet("table");
    options.range = isSet("range");
    options.allPages = isSet("all-pages");
    options.strict = isSet("strict");
    options.noBackup = isSet("no-backup");
    options.dryRun = isSet("dry-run");
    options.upgrade = isSet("upgrade");
    options.all = isSet("all");
    if (options.table && (options.json || options.range))
        return QStringLiteral("--%1 and --table do not go together")
            .arg(options.json ? "json" : "range");
    // Reading a folder that is not in memory waits on the disk far more than on the cores: with
    // several files asked for at once per core, the disk is kept busy.
    options.jobs = 4 * std::max(1, QThread::idealThreadCount());
    if (isSet("jobs")) {
        bool ok = false;
        options.jobs = value("jobs").toInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > 256)
            return QStringLiteral("--jobs %1: a number from 1 to 256").arg(value("jobs"));
    }
    return std::nullopt;
}

// --name patterns: an empty one would select every sound, so it is refused.
std::optional<QString> Reader::readNames(Options &options)
{
    options.names = parser_.values(QStringLiteral("name"));
    for (const QString &pattern : options.names) {
        if (pattern.isEmpty())
            return QStringLiteral("--name needs a pattern, such as '*_shot*.ogg'");
        if (pattern.contains(QChar::ReplacementCharacter))
            return QStringLiteral("--name %1: not valid UTF-8").arg(pattern);
    }
    return std::nullopt;
}

// The values set writes: a type and the numbers.
std::optional<QString> Reader::readEdits(const Command &command, Options &options)
{
    if (isSet("type"))
        if (auto problem = parseType(value("type"), options.edits.gameType))
            return problem;
    if (auto problem = readNumbers(options))
        return problem;
    if (QLatin1String(command.name) == QLatin1String("set") && !options.edits.any())
        return QStringLiteral("set needs at least one of --type, --volume, --min, --max, --ai");
    return std::nullopt;
}

// The paths each command needs: copy's FROM first, two for diff, none for types.
std::optional<QString> Reader::readPaths(const Command &command, Options &options)
{
    QStringList positional = parser_.positionalArguments().mid(1);
    const QLatin1String name(command.name);
    if (name == QLatin1String("copy"))
        if (auto problem = readSource(options, positional))
            return problem;
    if (name == QLatin1String("types")) {
        if (!positional.isEmpty())
            return QStringLiteral("types takes no PATH");
    } else if (positional.isEmpty()) {
        return QStringLiteral("%1 needs at least one %2")
            .arg(name, name == QLatin1String("encode") || name == QLatin1String("extract")
                           ? "SOURCE"
                           : "PATH");
    }
    if (!options.output.isEmpty() && positional.size() != 1)
        return QStringLiteral("encode -o makes one sound of one SOURCE; --to DIR takes many");
    if (name == QLatin1String("diff")) {
        if (positional.size() != 2)
            return QStringLiteral("diff needs two paths, A and B");
        // An archive holds sounds as a folder does.
        const auto holdsSounds = [](const QString &path) {
            const QFileInfo info(path);
            return info.isDir() || archivedKindOf(path, info.isFile(), false) != ArchivedKind::None;
        };
        const QFileInfo a(positional.at(0));
        const QFileInfo b(positional.at(1));
        if (a.exists() && b.exists() && holdsSounds(a.filePath()) != holdsSounds(b.filePath()))
            return QStringLiteral("diff compares a file with a file, or a folder with a folder");
    }
    options.paths = positional;
    return std::nullopt;
}

std::optional<QString> Reader::read(const Command &command, Options &options)
{
    if (auto problem = readFlags(command, options))
        return problem;
    if (auto problem = readNames(options))
        return problem;
    if (auto problem = readEdits(command, options))
        return problem;
    if (auto problem = readEncoding(command, options))
        return problem;
    return readPaths(command, options);
}

} // namespace

std::optional<Invocation> readCommandLine(const QStringList &arguments, QTextStream &out,
                                          QTextStream &err, int &exitStatus)
{
    QCommandLineParser parser;
    // "-r.ogg" is one unknown option, not six letters; the only short options are -r and -o.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CliOption &s : allOptions())
        parser.addOption(s.option);
    exitStatus = kBadUsage;
    const auto bad = [&](const QString &problem) {
        err << "kelvane-cli: " << problem << Qt::endl << "Try 'kelvane-cli --help'." << Qt::endl;
        return std::nullopt;
    };
    if (!parser.parse(arguments))
        return bad(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    const QString name = positional.value(0);
    if (parser.isSet(QStringLiteral("version"))) {
        out << "kelvane-cli " << QCoreApplication::applicationVersion() << Qt::endl;
        exitStatus = 0;
        return std::nullopt;
    }
    if (name == QLatin1String("help") || parser.isSet(QStringLiteral("help"))) {
        const QString about = name == QLatin1String("help") ? positional.value(1) : name;
        const Command *command = findCommand(about);
        if (!about.isEmpty() && !command)
            return bad(QStringLiteral("no command '%1'").arg(about));
        out << (command ? commandHelp(*command) : generalHelp()) << Qt::flush;
        exitStatus = 0;
        return std::nullopt;
    }
    const Command *command = findCommand(name);
    if (!command)
        return bad(name.isEmpty() ? QStringLiteral("no command given")
                                  : QStringLiteral("unknown command '%1'").arg(name));
    Invocation invocation{command, {}};
    Reader reader(parser);
    if (const auto problem = reader.read(*command, invocation.options))
        return bad(*problem);
    exitStatus = 0;
    return invocation;
}

} // namespace kelvane::cli
