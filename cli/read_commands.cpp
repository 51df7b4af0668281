// show, types and check: commands that read sounds and change nothing.
#include "command_line.h"
#include "commands.h"
#include "game_rules.h"
#include "hex_text.h"
#include "page_reader.h"
#include "qt_text.h"
#include "sound_reader.h"

namespace kelvane::cli {

namespace {

// What is wrong with the file itself: checksums, a block that cannot be written, damaged pages.
QStringList fileProblems(const QString &path, const LoadResult &loaded, const Options &options)
{
    const Inspection &found = loaded.inspection;
    QStringList problems;
    // Any wrong page 2 checksum, a large file's read from its first pages included: the
    // decoder skips that page whatever the file's size.
    if (found.computedChecksum && *found.computedChecksum != found.storedChecksum)
        problems << QStringLiteral("page 2 checksum %1, computed %2")
                        .arg(toQString(hexText(found.storedChecksum)),
                             toQString(hexText(found.computedChecksum.value_or(0))));
    if (found.outcome == LoadOutcome::ViewOnly && !loaded.image->headersOnly())
        problems << english(found.attrStatus);
    if (options.allPages) {
        const FilePageWalk walked = walkPagesOfFile(path);
        for (const PageProblem &p : walked.walk.problems)
            problems << QStringLiteral("page at %1: %2").arg(p.offset).arg(toQString(p.problem));
        if (!walked.failure.empty())
            problems << english(walked.failure);
    }
    return problems;
}

CheckResult checkOne(const QString &path, const LoadResult &loaded, const Options &options)
{
    CheckResult result{&loaded, {}, {}, {}, false};
    if (loaded.refused()) {
        result.problems << english(loaded.whyRefused());
        result.failed = true;
        return result;
    }
    result.problems = fileProblems(path, loaded, options);
    SoundFacts facts = soundFactsOf(loaded.inspection);
    // A wrong checksum is a problem of its own above.
    facts.badChecksum = false;
    for (const GameWarning &warning : gameWarnings(facts))
        (warning.stopsGame() ? result.stopping : result.notices).push_back(warning.text);
    result.failed = !result.problems.isEmpty() || !result.stopping.empty() ||
                    (options.strict && !result.notices.empty());
    return result;
}

} // namespace

// The commands' help rows stand beside their bodies; command_line.cpp lists them.
const Command kShowCommand{"show",
                           "PATH...",
                           "the details and attributes of each sound",
                           "recursive json table range jobs name",
                           "kelvane-cli show --table -r mods/sounds/",
                           &Runner::show};

int Runner::show(const Options &options)
{
    output_ = outputFor(options);
    output_->showRange(options.range);
    return forEach(
        options, Mode::Reads,
        [&](FileReport &run) {
            const LoadResult loaded =
                loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
            output_->shown(run, loaded, pathWidth_);
        },
        [&](int pathWidth) { return output_->showHeader(pathWidth); });
}

const Command kTypesCommand{
    "types",       "", "the game sound types, by name and code", "json", "kelvane-cli types --json",
    &Runner::types};

int Runner::types(const Options &options)
{
    outputFor(options)->typesListed(out_);
    out_.flush();
    return 0;
}

const Command kCheckCommand{
    "check",
    "PATH...",
    "the shape, block and checksum of each sound, and what the games reject",
    "recursive json all-pages strict jobs name",
    "kelvane-cli check -r --all-pages mods/sounds/",
    &Runner::check};

int Runner::check(const Options &options)
{
    output_ = outputFor(options);
    return forEach(options, Mode::Reads, [&](FileReport &run) {
        const LoadResult loaded =
            loadSoundFile(run.path, run.path, MissingBlock::InsertDefault, Access::FirstPages);
        output_->checked(run, checkOne(run.path, loaded, options));
    });
}

} // namespace kelvane::cli
