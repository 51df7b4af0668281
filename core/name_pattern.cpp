#include "name_pattern.h"

#include <QDir>
#include <QList>

namespace kelvane {

namespace {

// By characters (a pair of UTF-16 units is one "?"), case folded.
std::u32string foldedCharacters(const QString &text)
{
    const QList<uint> ucs4 = text.toCaseFolded().toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

// Whether `pattern` with * and ? matches all of `text`. On a mismatch the last * takes one
// more character and the match goes on from there: the time is at most the product of the two
// lengths, and it never gives up as a regular expression engine's match limit does.
bool wildcardMatch(const std::u32string &pattern, const std::u32string &text)
{
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = std::u32string::npos; // the pattern's last * so far
    std::size_t resume = 0;                  // where the text goes on after it
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == U'*') {
            star = p++;
            resume = t;
        } else if (star != std::u32string::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

} // namespace

// Paths are shown with the system's own separators, so a pattern may be typed with them too.
NamePattern::NamePattern(const QString &text)
    : text_(QDir::fromNativeSeparators(text))
    , wildcard_(text_.contains(QLatin1Char('*')) || text_.contains(QLatin1Char('?')))
{
    if (wildcard_)
        folded_ = foldedCharacters(text_);
}

bool NamePattern::matches(const QString &path) const
{
    if (wildcard_)
        return wildcardMatch(folded_, foldedCharacters(path));
    return path.contains(text_, Qt::CaseInsensitive);
}

} // namespace kelvane
