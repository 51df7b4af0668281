#pragma once

#include "backup_cleaning.h"
#include "backup_restore.h"
#include "extract_batch.h"
#include "file_report.h"
#include "game_ready_batch.h"
#include "message.h"
#include "sound_reader.h"

#include <memory>
#include <vector>

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kelvane::cli {

struct Options;

// What check found in one file: what is wrong with the file itself, and what the game does.
struct CheckResult
{
    const LoadResult *loaded = nullptr; // refused() when the file could not be checked
    QStringList problems;               // checksums, a block that cannot be written, pages
    std::vector<Message> stopping;      // what the game stops on
    std::vector<Message> notices;       // what it handles in a way the modder may not mean
    bool failed = false;                // as --strict judges it
};

// Two sounds of diff, paired by their path below the roots.
struct DiffPair
{
    QString relative;
    QString a; // empty: only in B
    QString b; // empty: only in A
    QStringList differences;
    QJsonObject aJson; // what JSON says of each side, when asked for
    QJsonObject bJson;
    QString trouble = {}; // why the two could not be compared
};

// How diff ended, for its last line.
struct DiffSummary
{
    qsizetype compared = 0;
    int differing = 0;
    int onlyA = 0;
    int onlyB = 0;
    qsizetype troubles = 0;
    bool subFoldersLeft = false; // sub-folders there that -r would compare
};

// How the commands' results read: one class for each output mode. A command decides what
// happened to each file; its output writes that to the file's lines, and sets the file's
// result where a mode counts it differently.
class Output
{
public:
    virtual ~Output() = default;

    // show: a line above the files, from the widest path's width.
    [[nodiscard]] virtual QString showHeader(int pathWidth) const;
    virtual void shown(FileReport &run, const LoadResult &loaded, int pathWidth) = 0;
    virtual void checked(FileReport &run, const CheckResult &result) = 0;
    virtual void restored(FileReport &run, const RestoreResult &done, bool dryRun) = 0;
    virtual void cleaned(FileReport &run, const CleanResult &done, bool dryRun) = 0;
    virtual void typesListed(QTextStream &out) = 0;
    // encode and fix --game-ready: what became of one source.
    virtual void made(FileReport &run, const MadeSound &sound, bool dryRun) = 0;
    // extract: what became of one sound.
    virtual void extracted(FileReport &run, const ExtractedSound &sound, bool dryRun) = 0;
    // diff: a pair compared, or one that could not be; the last line.
    virtual void compared(QTextStream &out, QTextStream &err, const DiffPair &pair,
                          bool wholeList) = 0;
    virtual void diffEnded(QTextStream &out, const DiffSummary &summary) = 0;
    // Whether the files' counts end the output ("3 files read, ...").
    [[nodiscard]] virtual bool summarizes() const = 0;
    // Whether diff keeps what each side of a pair is, for the output to write.
    [[nodiscard]] virtual bool describesSides() const { return false; }

    // show --range: each sound's range follows its details.
    void showRange(bool shown) { range_ = shown; }

protected:
    bool range_ = false;
};

// The output `options` ask for: JSON lines, show's table, or the plain lines.
[[nodiscard]] std::unique_ptr<Output> outputFor(const Options &options);

// Plain lines for people, and show's table for a glance over a folder.
[[nodiscard]] std::unique_ptr<Output> textOutput(bool table);
// One JSON object per line for scripts, every record with every key.
[[nodiscard]] std::unique_ptr<Output> jsonOutput();

} // namespace kelvane::cli
