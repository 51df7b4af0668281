// Every option kelvane-cli knows, with its help, and which of them each command takes.
#include "cli_options.h"

#include "attribute_fields.h"
#include "qt_text.h"

#include <algorithm>

namespace kelvane::cli {

namespace {

CliOption flag(const QStringList &names, const char *help)
{
    return {QCommandLineOption(names), help};
}

CliOption valued(const QString &name, const char *valueName, const char *help)
{
    return {QCommandLineOption(name, QString(), QLatin1String(valueName)), help};
}

} // namespace

const std::vector<CliOption> &allOptions()
{
    static const std::vector<CliOption> options = [] {
        std::vector<CliOption> all{
            flag({"r", "recursive"}, "Go into sub-folders too."),
            flag({"json"}, "One JSON object per file (per type), for scripts."),
            flag({"table"}, "One aligned line per file: type, volume, distances, state."),
            flag({"range"}, "How far each sound carries: where it falls to -20 and -40 dB, its "
                            "level at the maximum distance, how far NPCs hear it."),
            flag({"all-pages"}, "Check every page's framing and checksum, not only page 2."),
            flag({"all"}, "Print the pairs that do not differ too."),
            flag({"strict"},
                 "Notices count as failures too; set, copy, fix and encode write no value the "
                 "game warns of."),
            valued("jobs", "N", "Files read at the same time (default: 4 for each core)."),
            valued("name", "TEXT|GLOB",
                   "Only the sounds whose path below the folder given holds TEXT, or matches GLOB "
                   "(* and ? as wildcards, '/' too; any letter case); may be given again."),
            valued("type", "NAME|0xCODE", "Game sound type ('kelvane-cli types' lists them)."),
        };
        // --volume, --min, ...: one option for each number field.
        for (const FieldRow &field : kNumberFields)
            all.push_back(valued(toQString(field.key), "X", field.option));
        all.insert(
            all.end(),
            {
                flag({"no-backup"}, "Make no .bak backup of the files changed or replaced."),
                flag({"dry-run"}, "Write nothing; say what would change."),
                flag({"upgrade"}, "Turn older blocks (version 1 or 2) into version 3 blocks."),
                flag({"game-ready"}, "Encode again, at 44100 Hz, each sound at another rate (with "
                                     "--mono, each stereo one too), keeping its block; lossy."),
                valued("o", "OUT.ogg", "The game sound made of the one SOURCE."),
                valued("to", "DIR",
                       "The folder the sounds go into: encode's each at its source's path below "
                       "the folder given, as .ogg; extract's each at its path inside the archive "
                       "(below the game's data folder)."),
                valued("quality", "Q",
                       "Vorbis quality, -1 to 10 (default 5, as the stock "
                       "sounds; fix keeps each sound's bitrate)."),
                flag({"mono"}, "Mix down to one channel, as every sound placed in the world is "
                               "(encode's default)."),
                flag({"keep-channels"}, "Keep one or two channels (a sound in the player's "
                                        "head, such as music or a voice on the radio)."),
                valued("like", "SOUND",
                       "The block of SOUND (the stock sound it replaces); "
                       "the values given change it."),
                flag({"force"}, "Replace a sound already there (its .bak kept)."),
                flag({"h", "help"}, "This help; 'kelvane-cli help COMMAND' for one command."),
                flag({"v", "version"}, "The version."),
            });
        return all;
    }();
    return options;
}

// The option known by `name`, long or short; only names the parser accepted come here.
const CliOption &optionNamed(const QString &name)
{
    const auto &options = allOptions();
    return *std::find_if(options.begin(), options.end(),
                         [&](const CliOption &s) { return s.option.names().contains(name); });
}

// The long names of the options `c` takes; "fields" in its row stands for every field's option.
QStringList optionsOf(const Command &c)
{
    QStringList names;
    for (const QString &name : QString::fromLatin1(c.options).split(' ', Qt::SkipEmptyParts)) {
        if (name != QLatin1String("fields")) {
            names << name;
            continue;
        }
        for (const FieldRow &field : kAttributeFields)
            names << toQString(field.key);
    }
    return names;
}

} // namespace kelvane::cli
