#pragma once

#include "archive_place.h"
#include "english_text.h"

#include <QDir>
#include <QString>

namespace kelvane {
class RestoreBatch;
class SaveBatch;
} // namespace kelvane

namespace kelvane::cli {

// One file's part of a command: what it printed, kept until it is that file's turn to be
// printed, so that files handled at the same time never mix their lines.
struct FileReport
{
    enum class Result
    {
        Read,
        Changed,
        Skipped,
        Failed
    };

    explicit FileReport(QString file)
        : path(std::move(file))
        , shown(shownPath(path))
    {}

    QString path;
    QString shown; // the path as printed: with the system's own separators
    Result result = Result::Read;
    QString out; // lines for standard output
    QString err; // lines for standard error
    // Where a change is saved; null for the commands that only read.
    SaveBatch *batch = nullptr;
    // A save waiting in the batch, and the "changed:" text its line gets once it is done.
    bool staged = false;
    QString changes;
    // Where a backup's restore waits, and whether this file's does.
    RestoreBatch *restores = nullptr;
    bool restoreStaged = false;
    // clean: the folder some backup was removed from, flushed once for the whole slice.
    QString cleanedIn;
    // Writing commands: how many other names (hard links) of this file the run writes too.
    int otherNamesWritten = 0;

    // "path: text" on standard output.
    void say(const QString &text)
    {
        out += shown + QStringLiteral(": ") + text + QLatin1Char('\n');
    }
    // "path: warning: text" on standard error; the file does not fail for it.
    void warn(const QString &text)
    {
        err += shown + QStringLiteral(": warning: ") + text + QLatin1Char('\n');
    }
    // "path: message (reason)" on standard error; the file counts as failed.
    Result fail(const QString &message, const QString &reason = {})
    {
        err += shown + QStringLiteral(": ") + message.trimmed() +
               (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')')) +
               QLatin1Char('\n');
        return result = Result::Failed;
    }
    Result fail(const Message &message, const Message &reason = {})
    {
        return fail(english(withReason(message, reason)));
    }
};

} // namespace kelvane::cli
