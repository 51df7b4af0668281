#include "type_option.h"

#include "game_sound_types.h"
#include "qt_text.h"

#include <algorithm>
#include <vector>

namespace kelvane::cli {

namespace {

// The number of single-letter edits between two names, to suggest the one meant.
int distance(const QString &a, const QString &b)
{
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            const bool same = a[i - 1].toLower() == b[j - 1].toLower();
            row[static_cast<std::size_t>(j)] = std::min(
                {above + 1, row[static_cast<std::size_t>(j - 1)] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

std::optional<QString> parseType(const QString &text, std::optional<std::uint32_t> &code)
{
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        bool ok = false;
        code = text.mid(2).toUInt(&ok, 16);
        if (ok)
            return std::nullopt;
        return QStringLiteral("--type %1: not a hexadecimal code").arg(text);
    }
    QString closest;
    int best = 1 << 30;
    for (const GameSoundType &type : GameSoundTypes) {
        const QString name = toQString(type.name);
        if (text.compare(name, Qt::CaseInsensitive) == 0) {
            code = type.code;
            return std::nullopt;
        }
        if (const int d = distance(text, name); d < best) {
            best = d;
            closest = name;
        }
    }
    return QStringLiteral("--type %1: no such sound type; did you mean %2? "
                          "('kelvane-cli types' lists them)")
        .arg(text, closest);
}

} // namespace kelvane::cli
