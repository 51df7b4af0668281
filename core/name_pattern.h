#pragma once

#include <string>

#include <QString>

namespace kelvane {

// A name to find sounds by, in the sound table's filter and in kelvane-cli's --name: plain text
// is found anywhere in a sound's path; with * (any run of characters, "/" too) or ? (any one
// character) the pattern must match the whole path. Letter case does not count.
class NamePattern
{
public:
    NamePattern() = default;
    explicit NamePattern(const QString &text);

    [[nodiscard]] bool empty() const { return text_.isEmpty(); }
    // `path`: the sound's path below the folder listed, "/" between folders.
    [[nodiscard]] bool matches(const QString &path) const;

private:
    QString text_;
    bool wildcard_ = false;
    std::u32string folded_; // the pattern by characters, case folded
};

} // namespace kelvane
