// The commands' results as plain lines, and show's table.
#include "attribute_fields.h"
#include "commands.h"
#include "english_text.h"
#include "game_rules.h"
#include "game_sound_types.h"
#include "hex_text.h"
#include "number_text.h"
#include "output.h"
#include "qt_text.h"
#include "sound_report.h"
#include "sound_state.h"

#include <QDir>

namespace kelvane::cli {

namespace {

using Result = FileReport::Result;

// The columns of `show --table` after the path.
constexpr int kTypeWidth = 20;
constexpr int kNumberWidth = 10;

QString tableRow(const QString &path, int pathWidth, const QStringList &cells)
{
    QString row = path.leftJustified(pathWidth);
    for (qsizetype i = 0; i < cells.size(); ++i)
        row += QStringLiteral("  ") +
               (i + 1 < cells.size() ? cells[i].leftJustified(i == 0 ? kTypeWidth : kNumberWidth)
                                     : cells[i]);
    return row + QLatin1Char('\n');
}

// The lines of one sound: its details, then its block as the game reads it.
QStringList soundLines(const QString &path, const LoadResult &loaded)
{
    const Inspection &found = loaded.inspection;
    QStringList lines{path};
    for (const Message &line : detailLines(found))
        lines << QStringLiteral("  ") + QString::fromStdString(englishText(line));
    if (loaded.seconds)
        lines << QStringLiteral("  Length:              ") + lengthText(*loaded.seconds, u'.');
    if (loaded.refused())
        return lines;
    if (found.outcome == LoadOutcome::Inserted) {
        if (const auto older = olderBlock(found)) {
            lines << QStringLiteral("  Older block, version %1 (the game reads it as):")
                         .arg(older->version);
            for (const QString &line : attributeLines(*older))
                lines << QStringLiteral("    ") + line;
        } else {
            lines << QStringLiteral("  No attribute block.");
        }
        return lines;
    }
    for (const QString &line : attributeLines(found.fileAttrs))
        lines << QStringLiteral("  ") + line;
    if (!found.attrStatus.empty())
        lines << QStringLiteral("  ") + QString::fromStdString(englishText(found.attrStatus));
    return lines;
}

class TextOutput : public Output
{
public:
    void shown(FileReport &run, const LoadResult &loaded, int) override
    {
        QStringList lines = soundLines(run.shown, loaded);
        if (!loaded.refused()) {
            if (const auto block = blockTheGameReads(loaded); range_ && block)
                lines += rangeLines(*block);
            run.out += lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
            return;
        }
        // What could be read is shown above the reason; show only reads, so a block that
        // could not be inserted is no failure of show.
        if (lines.size() > 1)
            run.out += lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        const Message &why = loaded.inspection.attrStatus;
        if (loaded.image && why.kind == MessageKind::CannotInsert)
            run.out += QStringLiteral("  No attribute block; ") + english(why) + QLatin1Char('\n');
        else
            run.fail(loaded.whyRefused(), loaded.reason);
    }

    void checked(FileReport &run, const CheckResult &result) override
    {
        if (result.loaded->refused()) {
            run.fail(result.loaded->whyRefused(), result.loaded->reason);
            return;
        }
        const QStringList stopping = english(result.stopping);
        const QStringList notices = english(result.notices);
        const QString noticeText =
            notices.isEmpty() ? QString()
                              : QStringLiteral("warning: ") + notices.join(QStringLiteral("; "));
        if (!result.problems.isEmpty()) {
            run.fail(QStringLiteral("FAIL ") +
                     (result.problems + stopping + notices).join(QStringLiteral("; ")));
        } else if (!stopping.isEmpty()) {
            // The game stops on it: a failure with or without --strict.
            run.fail(QStringLiteral("stops the game: ") + stopping.join(QStringLiteral("; ")) +
                     (noticeText.isEmpty() ? QString() : QStringLiteral("; ") + noticeText));
        } else if (notices.isEmpty()) {
            run.say(QStringLiteral("ok"));
        } else if (result.failed) {
            run.fail(noticeText);
        } else {
            run.say(noticeText);
        }
    }

    void restored(FileReport &run, const RestoreResult &done, bool dryRun) override
    {
        switch (done.outcome) {
        case RestoreResult::NoBackup:
            run.say(QStringLiteral("no backup"));
            run.result = Result::Skipped;
            return;
        case RestoreResult::Failed:
            run.fail(done.failure, done.reason);
            return;
        case RestoreResult::Restored:
            break;
        }
        QString line =
            (dryRun ? QStringLiteral("would restore from ") : QStringLiteral("restored from ")) +
            done.backup;
        if (!done.newer.isEmpty())
            line += (dryRun ? QStringLiteral("; the sound there now would be kept as ")
                            : QStringLiteral("; the sound that was there is kept as ")) +
                    done.newer;
        if (!done.note.empty())
            line += QStringLiteral("; ") + english(done.note);
        run.say(line);
        run.result = Result::Changed;
    }

    void extracted(FileReport &run, const ExtractedSound &sound, bool dryRun) override
    {
        const QString target = QDir::toNativeSeparators(sound.job.target);
        switch (sound.result) {
        case ExtractedSound::Failed:
            run.fail(sound.message);
            return;
        case ExtractedSound::Kept:
            run.say(target + QStringLiteral(" ") + english(sound.message) +
                    QStringLiteral(" (--force replaces it)"));
            run.result = Result::Skipped;
            return;
        case ExtractedSound::Written:
        case ExtractedSound::WouldWrite:
            break;
        }
        QString line =
            (dryRun ? QStringLiteral("would extract to ") : QStringLiteral("extracted to ")) +
            target + QStringLiteral(", %1 bytes").arg(sound.bytes);
        if (sound.backupMade)
            line += QStringLiteral("; the file that was there kept as .bak");
        if (!sound.notes.empty())
            line += QStringLiteral("; ") + english(sound.notes).join(QStringLiteral("; "));
        run.say(line);
        run.result = Result::Changed;
    }
    void made(FileReport &run, const MadeSound &sound, bool dryRun) override
    {
        if (sound.result == MadeSound::Failed) {
            run.fail(sound.message);
            return;
        }
        const QString target = QDir::toNativeSeparators(sound.job.target);
        if (sound.result == MadeSound::Kept) {
            run.say(sound.message.kind == MessageKind::AlreadyThere
                        ? target + QStringLiteral(" ") + english(sound.message) +
                              QStringLiteral(" (--force replaces it)")
                        : english(sound.message));
            run.result = Result::Skipped;
            return;
        }
        const auto channels = [](unsigned n) {
            return n == 1   ? QStringLiteral("mono")
                   : n == 2 ? QStringLiteral("stereo")
                            : QStringLiteral("%1 channels").arg(n);
        };
        QString line = (dryRun ? QStringLiteral("would make ") : QStringLiteral("made ")) +
                       (sound.job.replaces ? QStringLiteral("it again") : target) +
                       QStringLiteral(": %1 Hz %2 -> 44100 Hz %3, %4 s, quality %5, %6 bytes")
                           .arg(sound.sourceRate)
                           .arg(channels(sound.sourceChannels), channels(sound.channels))
                           .arg(double(sound.frames) / 44100.0, 0, 'f', 3)
                           .arg(double(sound.quality), 0, 'f', 1)
                           .arg(sound.bytes);
        if (sound.backupMade)
            line += QStringLiteral("; the sound as it was kept as .bak");
        if (!sound.notes.empty())
            line += QStringLiteral("; ") + english(sound.notes).join(QStringLiteral("; "));
        QStringList stopping;
        for (const GameWarning &warning : valueWarnings(sound.block))
            if (warning.stopsGame())
                stopping << english(warning.text);
        if (!stopping.isEmpty())
            line += QStringLiteral("; stops the game: ") + stopping.join(QStringLiteral("; "));
        run.say(line);
        run.result = Result::Changed;
    }

    void cleaned(FileReport &run, const CleanResult &done, bool dryRun) override
    {
        if (!done.failure.empty()) {
            run.fail(done.failure);
            return;
        }
        if (!done.skipped.empty()) {
            run.say(QStringLiteral("skipped: ") + english(done.skipped));
            run.result = Result::Skipped;
            return;
        }
        QStringList removed;
        QStringList kept;
        for (const CleanedFile &file : done.files) {
            if (file.removed)
                removed << QDir::toNativeSeparators(file.path);
            else
                kept << QDir::toNativeSeparators(file.path) + QStringLiteral(" (") +
                            english(file.why) + QLatin1Char(')');
        }
        if (!removed.isEmpty()) {
            run.say((dryRun ? QStringLiteral("would remove ") : QStringLiteral("removed ")) +
                    removed.join(QStringLiteral(", ")));
            run.result = Result::Changed;
        }
        if (!kept.isEmpty())
            run.fail(QStringLiteral("not removed: ") + kept.join(QStringLiteral(", ")));
        else if (removed.isEmpty())
            run.say(QStringLiteral("nothing to remove"));
        if (removed.isEmpty() && kept.isEmpty())
            run.result = Result::Skipped;
    }

    void typesListed(QTextStream &out) override
    {
        for (const GameSoundType &type : GameSoundTypes)
            out << toQString(type.name).leftJustified(kTypeWidth) << "0x"
                << toQString(hexText(type.code)) << '\n';
    }

    void compared(QTextStream &out, QTextStream &err, const DiffPair &pair, bool) override
    {
        if (!pair.trouble.isEmpty()) {
            err << QDir::toNativeSeparators(pair.relative) << ": " << pair.trouble << Qt::endl;
            return;
        }
        out << QDir::toNativeSeparators(pair.relative) << ": "
            << (pair.differences.isEmpty() ? QStringLiteral("same")
                                           : pair.differences.join(QStringLiteral("; ")))
            << '\n';
    }

    void diffEnded(QTextStream &out, const DiffSummary &s) override
    {
        out << QStringLiteral("%1 %2 compared, %3 differ (%4 only in A, %5 only in B)")
                   .arg(s.compared)
                   .arg(s.compared == 1 ? "pair" : "pairs")
                   .arg(s.differing)
                   .arg(s.onlyA)
                   .arg(s.onlyB);
        if (s.troubles > 0)
            out << QStringLiteral(", %1 could not be compared").arg(s.troubles);
        if (s.subFoldersLeft)
            out << QStringLiteral("; sub-folders were not compared (-r compares them)");
        out << Qt::endl;
    }

    [[nodiscard]] bool summarizes() const override { return true; }
};

// show --table: one aligned line per sound, what the game reads and the sound's state.
class TableOutput final : public TextOutput
{
public:
    [[nodiscard]] QString showHeader(int pathWidth) const override
    {
        QStringList headings;
        for (const FieldRow &field : kAttributeFields)
            headings << toQString(field.key).toUpper();
        return tableRow(QStringLiteral("FILE"), pathWidth, headings << QStringLiteral("STATE"));
    }

    void shown(FileReport &run, const LoadResult &loaded, int pathWidth) override
    {
        const std::optional<SoundAttributes> shown = blockTheGameReads(loaded);
        QStringList cells{shown ? toQString(gameTypeName(shown->gameType).value_or("unlisted"))
                                : QStringLiteral("-")};
        for (const FieldRow &field : kNumberFields) {
            // Seven digits where they fit the column; fewer for a tiny or huge value's exponent.
            const QString full = shown ? QString::number((*shown).*field.number, 'g', 7) : "-";
            cells << (full.size() <= kNumberWidth
                          ? full
                          : QString::number((*shown).*field.number, 'g', 4));
        }
        run.out += tableRow(run.shown, pathWidth, cells << english(stateText(loaded)));
        if (loaded.refused())
            run.fail(loaded.whyRefused(), loaded.reason);
    }
};

} // namespace

QString Output::showHeader(int) const
{
    return {};
}

std::unique_ptr<Output> textOutput(bool table)
{
    if (table)
        return std::make_unique<TableOutput>();
    return std::make_unique<TextOutput>();
}

std::unique_ptr<Output> outputFor(const Options &options)
{
    return options.json ? jsonOutput() : textOutput(options.table);
}

} // namespace kelvane::cli
