// diff: two sounds, or two folder trees paired by path, compared as the game reads them.
#include "archive_collection.h"
#include "archive_place.h"
#include "attribute_fields.h"
#include "command_line.h"
#include "commands.h"
#include "english_text.h"
#include "game_sound_types.h"
#include "parallel_for.h"
#include "qt_text.h"
#include "relative_path.h"
#include "sound_collection.h"
#include "sound_reader.h"
#include "sound_report.h"
#include "sound_state.h"

#include <algorithm>
#include <map>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvane::cli {

namespace {

constexpr std::size_t kSlicePairs = 512;

using Pair = DiffPair;

struct Below
{
    QString relative; // as written
    QString file;
};

// The sounds under `root` by their path below it (a game folder's: below its data folder), in
// lower case when `foldCase`: the game's own archives know no case.
std::map<QString, Below> byRelativePath(const SoundCollection &found, const QString &root,
                                        bool foldCase)
{
    std::map<QString, Below> sounds;
    for (const QString &file : found.files) {
        const QString relative = found.stockPaths.value(file, pathBelow(root, file));
        sounds.emplace(foldCase ? relative.toLower() : relative, Below{relative, file});
    }
    return sounds;
}

QString numberText(float value, float other)
{
    // Seven digits tell most values apart; two that differ further down get all nine.
    const QString text = QString::number(value, 'g', 7);
    return text == QString::number(other, 'g', 7) ? QString::number(value, 'g', 9) : text;
}

// "field: A -> B" for each field of the two that differs.
QStringList differences(const LoadResult &a, const LoadResult &b)
{
    QStringList found;
    if (stateText(a) != stateText(b))
        found
            << QStringLiteral("state: %1 -> %2").arg(english(stateText(a)), english(stateText(b)));
    const auto blockA = blockTheGameReads(a);
    const auto blockB = blockTheGameReads(b);
    if (!blockA || !blockB)
        return found; // the state says which has no block
    for (const AttributeField field : differingFields(*blockA, *blockB)) {
        const FieldRow &row = fieldRow(field);
        const QString name = QString::fromLatin1(row.key.data(), qsizetype(row.key.size()));
        if (!row.number) {
            found << QStringLiteral("%1: %2 -> %3")
                         .arg(name, toQString(gameTypeLabel(blockA->gameType)),
                              toQString(gameTypeLabel(blockB->gameType)));
            continue;
        }
        const float x = (*blockA).*row.number;
        const float y = (*blockB).*row.number;
        found << QStringLiteral("%1: %2 -> %3").arg(name, numberText(x, y), numberText(y, x));
    }
    return found;
}

void compare(Pair &pair, bool describeSides)
{
    if (!pair.trouble.isEmpty())
        return;
    const auto load = [](const QString &path) {
        return loadSoundFile(path, path, MissingBlock::InsertDefault, Access::FirstPages);
    };
    if (pair.a.isEmpty() || pair.b.isEmpty()) {
        pair.differences << (pair.a.isEmpty() ? QStringLiteral("only in B")
                                              : QStringLiteral("only in A"));
        if (describeSides) {
            const QString &there = pair.a.isEmpty() ? pair.b : pair.a;
            (pair.a.isEmpty() ? pair.bJson : pair.aJson) = soundJson(shownPath(there), load(there));
        }
        return;
    }
    const LoadResult a = load(pair.a);
    const LoadResult b = load(pair.b);
    // A file that could not be read is never the same as anything.
    for (const LoadResult *side : {&a, &b})
        if (!side->image && pair.trouble.isEmpty())
            pair.trouble = QStringLiteral("not compared: %1 %2")
                               .arg(side == &a ? "A" : "B", english(side->whyRefused()));
    if (pair.trouble.isEmpty())
        pair.differences = differences(a, b);
    if (describeSides) {
        pair.aJson = soundJson(shownPath(pair.a), a);
        pair.bJson = soundJson(shownPath(pair.b), b);
    }
}

// A pair found on one side only, below a folder of the other side that could not be read, was
// never compared: trouble, not "only in".
void markUnreadSides(std::vector<Pair> &pairs, const QString &rootA, const QString &rootB,
                     const SoundCollection &foundA, const SoundCollection &foundB)
{
    const auto below = [](const QString &root, const SoundCollection &found) {
        QStringList folders;
        for (const UnreadFolder &folder : found.unreadable)
            folders << pathBelow(root, folder.path) + QLatin1Char('/');
        return folders;
    };
    const QStringList unreadA = below(rootA, foundA);
    const QStringList unreadB = below(rootB, foundB);
    for (Pair &pair : pairs) {
        const QStringList &other = pair.a.isEmpty()   ? unreadA
                                   : pair.b.isEmpty() ? unreadB
                                                      : QStringList();
        for (const QString &folder : other)
            if (folder == QLatin1String("/") || pair.relative.startsWith(folder))
                pair.trouble = QStringLiteral("not compared: %1's folder %2 could not be read")
                                   .arg(pair.a.isEmpty() ? "A" : "B", folder.chopped(1));
    }
}

bool hasSubFolders(const QString &root)
{
    return QFileInfo(root).isDir() &&
           !QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

// The pairs of two roots: two sounds, or the sounds of two folders by their path below them.
std::vector<Pair> pairsOf(const QString &rootA, const QString &rootB, const SoundCollection &foundA,
                          const SoundCollection &foundB)
{
    std::vector<Pair> pairs;
    // A sound named itself, on disk or inside an archive, is compared with the other sound.
    if (foundA.files == QStringList{rootA}) {
        pairs.push_back({QFileInfo(rootA).fileName(), rootA, rootB, {}, {}, {}});
        return pairs;
    }
    const bool foldCase = archivedKindOf(rootA, QFileInfo(rootA).isFile(),
                                         QFileInfo(rootA).isDir()) != ArchivedKind::None ||
                          archivedKindOf(rootB, QFileInfo(rootB).isFile(),
                                         QFileInfo(rootB).isDir()) != ArchivedKind::None;
    const auto soundsA = byRelativePath(foundA, rootA, foldCase);
    auto soundsB = byRelativePath(foundB, rootB, foldCase);
    for (const auto &[key, a] : soundsA) {
        const auto other = soundsB.find(key);
        pairs.push_back({a.relative,
                         a.file,
                         other == soundsB.end() ? QString() : other->second.file,
                         {},
                         {},
                         {}});
        if (other != soundsB.end())
            soundsB.erase(other);
    }
    for (const auto &[key, b] : soundsB)
        pairs.push_back({b.relative, QString(), b.file, {}, {}, {}});
    // As the other commands list a folder's sounds.
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair &x, const Pair &y) {
        return x.relative.compare(y.relative, Qt::CaseInsensitive) < 0;
    });
    return pairs;
}

} // namespace

const Command kDiffCommand{
    "diff",
    "A B",
    "compare two sounds, or the sounds of two folders paired by path, as the game reads them",
    "recursive json all jobs name",
    "kelvane-cli diff -r stock/sounds/ mods/sounds/",
    &Runner::diff};

int Runner::diff(const Options &options)
{
    output_ = outputFor(options);
    const QString &rootA = options.paths.at(0);
    const QString &rootB = options.paths.at(1);
    const SoundCollection foundA = collectSounds({rootA}, options.recursive);
    const SoundCollection foundB = collectSounds({rootB}, options.recursive);
    reportUnread(foundA);
    reportUnread(foundB);
    if (!foundA.missing.isEmpty() || !foundB.missing.isEmpty())
        return 2;
    std::vector<Pair> pairs = pairsOf(rootA, rootB, foundA, foundB);
    if (const PathFilter named = namedFilter(options.names))
        std::erase_if(pairs, [&](const Pair &pair) { return !named(pair.relative); });
    markUnreadSides(pairs, rootA, rootB, foundA, foundB);

    // Sounds or folders that could not be read make the comparison incomplete: trouble, as
    // diff(1) says it, whatever the pairs show.
    const auto unread = foundA.undecodable.size() + foundA.unreadable.size() +
                        foundA.unreadArchived.size() + foundB.undecodable.size() +
                        foundB.unreadable.size() + foundB.unreadArchived.size();
    DiffSummary summary;
    for (std::size_t done = 0; done < pairs.size();) {
        const std::size_t end = std::min(pairs.size(), done + kSlicePairs);
        kelvane::parallelFor(
            end - done, options.jobs,
            [&](std::size_t i) { compare(pairs[done + i], output_->describesSides()); }, stopAsked);
        if (stopAsked())
            return kInterrupted;
        for (std::size_t i = done; i < end; ++i) {
            const Pair &pair = pairs[i];
            const bool same = pair.trouble.isEmpty() && pair.differences.isEmpty();
            summary.troubles += pair.trouble.isEmpty() ? 0 : 1;
            if (pair.trouble.isEmpty()) {
                summary.differing += same ? 0 : 1;
                summary.onlyA += pair.b.isEmpty() ? 1 : 0;
                summary.onlyB += pair.a.isEmpty() ? 1 : 0;
            }
            if (!same || options.all)
                output_->compared(out_, err_, pair, options.all);
        }
        done = end;
    }
    summary.compared = qsizetype(pairs.size()) - summary.troubles;
    summary.subFoldersLeft = !options.recursive && (hasSubFolders(rootA) || hasSubFolders(rootB));
    output_->diffEnded(out_, summary);
    out_.flush();
    return summary.troubles + unread > 0 ? 2 : summary.differing > 0 ? 1 : 0;
}

} // namespace kelvane::cli
