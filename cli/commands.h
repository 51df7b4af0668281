#pragma once

#include "sound_attributes.h"
#include "sound_reader.h"

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>
#include <QTextStream>

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
    // The fields `set` changes; the others stay as the file has them.
    std::optional<std::uint32_t> gameType;
    std::optional<float> volume;
    std::optional<float> minDist;
    std::optional<float> maxDist;
    std::optional<float> maxAIDist;
    QString from; // copy: the file whose block the others receive
};

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

private:
    enum class Result
    {
        Read,
        Changed,
        Skipped,
        Failed
    };
    template<typename PerFile>
    int forEach(const Options &options, PerFile perFile);
    Result fail(const QString &path, const QString &message, const QString &reason = {});
    Result failLoad(const QString &path, const LoadResult &loaded);
    std::optional<LoadResult> loadForChange(const QString &path);
    Result apply(const QString &path, LoadResult &loaded, const TSoundAttributes &next,
                 const Options &options);
    Result showOne(const QString &path, const Options &options);
    Result checkOne(const QString &path, const Options &options);
    QStringList fileProblems(const QString &path, const LoadResult &loaded, const Options &options);
    Result fixOne(const QString &path, const Options &options);

    QTextStream &out_;
    QTextStream &err_;
};

} // namespace kelvane::cli
