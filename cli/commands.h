#pragma once

#include "attribute_edits.h"
#include "background_job.h"
#include "file_report.h"
#include "output.h"
#include "sound_attributes.h"
#include "sound_collection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kelvane {
struct ExtractJob;
struct ExtractSettings;
struct GameReadyJob;
struct GameReadySettings;
class RestoreBatch;
struct SoundCollection;
} // namespace kelvane

namespace kelvane::cli {

struct Options
{
    QStringList paths;
    bool recursive = false;
    bool json = false;
    bool allPages = false;
    bool strict = false;
    bool noBackup = false;
    bool dryRun = false;
    bool upgrade = false;
    bool table = false; // show: one aligned line per file
    bool range = false; // show: how far each sound carries
    bool all = false;   // diff: equal pairs too
    int jobs = 1;       // files read at the same time by show and check
    QStringList names;  // --name: only the sounds whose path below the folder given matches one
    // The fields `set` changes; the others stay as the file has them.
    AttributeEdits edits;
    QString from; // copy: the file whose block the others receive, and that block
    SoundAttributes fromAttrs{};
    // encode: one target file, or a folder the sources go into; --like's block.
    QString output;
    QString toFolder;
    std::optional<SoundAttributes> like;
    std::optional<float> quality;
    bool keepChannels = false; // encode: keep 1 or 2 channels; fix --game-ready: --mono
    bool mono = false;
    bool force = false;     // encode: replace a target that exists
    bool gameReady = false; // fix: encode again what the game refuses
};

// Whether a sound's path below the folder given matches one of --name's patterns, made once;
// empty when there are none. keepNamed drops the sounds that do not match.
[[nodiscard]] PathFilter namedFilter(const QStringList &names);
void keepNamed(QStringList &files, const Options &options,
               const QHash<QString, QString> &stockPaths = {});
// Writing commands: says of each path that is a game archive, a path inside one or a game
// folder that it cannot be written; true when any was.
[[nodiscard]] bool refuseArchives(const QStringList &paths, QTextStream &err);

// After Ctrl-C (or SIGTERM) a running command stops before its next file; a batch of saves not
// yet replaced is dropped, leaving those sounds as they were.
void stopOnInterrupt();
[[nodiscard]] bool stopAsked();
// The exit status after Ctrl-C, as shells report a process ended by SIGINT.
constexpr int kInterrupted = 130;

// Runs one command over a batch of files: one line per file on `out`, errors on `err` naming the
// file, a summary line at the end. Returns the exit status: 0 all well, 1 some file failed.
class Runner
{
public:
    Runner(QTextStream &out, QTextStream &err);

    int show(const Options &options);
    int check(const Options &options);
    int set(const Options &options);
    int copy(const Options &options);
    int fix(const Options &options);
    int types(const Options &options);
    int restore(const Options &options);
    int clean(const Options &options);
    int diff(const Options &options);
    int encode(const Options &options);
    int extract(const Options &options);

private:
    using PerFile = std::function<void(FileReport &)>;
    enum class Mode
    {
        Reads,  // files are handled on `jobs` threads at once
        Writes, // files are handled in turn, their saves batched
    };
    // `header` gives a line printed above the files' lines, from the widest path's width.
    // `found` may change what the paths gave before any file is handled.
    int forEach(const Options &options, Mode mode, const PerFile &perFile,
                const std::function<QString(int)> &header = {},
                const std::function<void(SoundCollection &)> &found = {});
    void parallelFor(std::vector<FileReport> &slice, int jobs, const PerFile &perFile);
    void finishSaves(std::vector<FileReport> &slice, SaveBatch &batch);
    void finishRestores(std::vector<FileReport> &slice, RestoreBatch &batch);
    // clean: each folder something was removed from, flushed once.
    static void flushCleaned(std::vector<FileReport> &slice);
    void print(const FileReport &run);
    // Whether standard error is a terminal, which shows progress; a short wait between polls.
    static bool isInteractive();
    void reportUnread(const SoundCollection &found);
    void printSummary(qsizetype total, bool dryRun);
    // encode and fix --game-ready: the sources made into game sounds, their lines in order.
    int makeGameReady(std::vector<GameReadyJob> jobs, const GameReadySettings &settings);
    int fixGameReady(const Options &options);
    // extract: the sounds copied out of the archives, their lines in order.
    int extractAll(std::vector<ExtractJob> jobs, const ExtractSettings &settings);
    // Takes a batch's rows as they come, each printed by `report` in order, with the progress
    // `reached` gives on a terminal; Ctrl-C cancels it. False when it was stopped so.
    template<typename Row>
    bool drain(BackgroundJob<Row> &batch, qsizetype total,
               const std::function<qsizetype()> &reached,
               const std::function<void(FileReport &, Row &)> &report);
    // "N files, X made, Y kept..., Z failed" from the counts of the rows printed.
    void printMadeSummary(const char *one, const char *many, const QString &changed,
                          const QString &skipped);

    QTextStream &out_;
    QTextStream &err_;
    int counts_[4] = {};                                 // by FileReport::Result
    int pathWidth_ = 0;                                  // the widest path of the batch
    std::unique_ptr<Output> output_ = textOutput(false); // how the command's results read
};

template<typename Row>
bool Runner::drain(BackgroundJob<Row> &batch, qsizetype total,
                   const std::function<qsizetype()> &reached,
                   const std::function<void(FileReport &, Row &)> &report)
{
    const bool progress = isInteractive() && total > 1;
    qsizetype shown = -1;
    for (bool last = false; !last;) {
        last = batch.finished();
        if (stopAsked())
            batch.cancel();
        for (Row &row : batch.take()) {
            FileReport run(row.job.source);
            report(run, row);
            print(run);
        }
        if (progress && reached() != shown)
            err_ << "\r  " << (shown = reached()) << " / " << total << Qt::flush;
        if (!last)
            batch.waitForEnd(std::chrono::milliseconds(20));
    }
    if (progress)
        err_ << Qt::endl;
    return !stopAsked();
}

} // namespace kelvane::cli
