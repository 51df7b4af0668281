#include "core_text.h"

#include "qt_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace kelvane {

namespace {

constexpr const char *kContext = "CoreText";

// The core's texts with each number written as %1, %2...: what the translations are made of.
// Texts that end in a name (a file's, a folder's) are translated by their fixed part, below.
[[maybe_unused]] constexpr const char *kPatterns[] = {
    // Details of a sound.
    QT_TRANSLATE_NOOP("CoreText", "Number of channels:  %1 (* not for SoC *)"),
    QT_TRANSLATE_NOOP("CoreText", "Number of channels:  %1 "),
    QT_TRANSLATE_NOOP("CoreText", "Audio sample rate:     %1 Hz"),
    QT_TRANSLATE_NOOP("CoreText", "Nominal bitrate:           %1"),
    QT_TRANSLATE_NOOP("CoreText", "Min/max bitrate:           %1 / %2"),
    QT_TRANSLATE_NOOP("CoreText", "Vendor:"),
    QT_TRANSLATE_NOOP("CoreText", "File size:                        %1 bytes"),
    QT_TRANSLATE_NOOP("CoreText", "Comment CRC:           %1 (File)"),
    QT_TRANSLATE_NOOP("CoreText", "Comment CRC:           %1 (Calculated)"),
    QT_TRANSLATE_NOOP("CoreText", "New file size:                %1 bytes (when saved)"),
    QT_TRANSLATE_NOOP("CoreText", "  ** Inserted new segment lacing byte **"),
    QT_TRANSLATE_NOOP("CoreText", " Read %1 bytes. "),
    // What loading found.
    QT_TRANSLATE_NOOP("CoreText", "Large file, reading just headers."),
    QT_TRANSLATE_NOOP("CoreText", "Not an Ogg file."),
    QT_TRANSLATE_NOOP("CoreText", "Not a valid Ogg sound file."),
    QT_TRANSLATE_NOOP("CoreText", "Not a valid Ogg sound file; no comment page segments."),
    QT_TRANSLATE_NOOP("CoreText", "Not a valid Ogg sound file; it ends too early."),
    QT_TRANSLATE_NOOP("CoreText", " Invalid Ogg Vorbis comment header char: %1"),
    QT_TRANSLATE_NOOP("CoreText", "File has a bad CRC checksum. Click Apply to fix."),
    QT_TRANSLATE_NOOP("CoreText",
                      " File size > %1 bytes; not a GSC sound - it cannot be viewed/edited."),
    QT_TRANSLATE_NOOP("CoreText", "Comment block inserted.  Adjust values and click Apply to fix."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Older comment block turned into a version %1 block.  Click Apply to "
                      "save it."),
    QT_TRANSLATE_NOOP("CoreText", "Comment block cannot be inserted: the comment header does "
                                  "not fit on page %1."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Comment block does not lie on page %1; the file cannot be edited."),
    QT_TRANSLATE_NOOP("CoreText", "Older comment block longer than a version %1 block; it is "
                                  "left as it is."),
    QT_TRANSLATE_NOOP("CoreText", "Could not open file for reading."),
    QT_TRANSLATE_NOOP("CoreText", "Could not scan file for reading."),
    // The sound table's states.
    QT_TRANSLATE_NOOP("CoreText", "ok"),
    QT_TRANSLATE_NOOP("CoreText", "bad checksum"),
    QT_TRANSLATE_NOOP("CoreText", "no block"),
    QT_TRANSLATE_NOOP("CoreText", "older block, version %1"),
    QT_TRANSLATE_NOOP("CoreText", "over %1 MiB, view only"),
    QT_TRANSLATE_NOOP("CoreText", "changed on disk since it was listed; not written"),
    QT_TRANSLATE_NOOP("CoreText", "unchanged"),
    QT_TRANSLATE_NOOP("CoreText", "larger than %1 MiB: shown, never written"),
    QT_TRANSLATE_NOOP("CoreText", "stops the game"),
    // What the game does.
    QT_TRANSLATE_NOOP("CoreText",
                      "maximum distance below %1: the game stops with \"Invalid max distance\""),
    QT_TRANSLATE_NOOP("CoreText", "maximum AI distance below %1: the game stops with \"Invalid "
                                  "max distance\""),
    QT_TRANSLATE_NOOP("CoreText", "type code %1 is not in the list: it shows as undefined, and "
                                  "saving in the window writes undefined"),
    QT_TRANSLATE_NOOP("CoreText", "older block of version %1, which the game still reads"),
    QT_TRANSLATE_NOOP("CoreText", "the first comment is not an attribute block (the game plays "
                                  "the sound with its own defaults)"),
    QT_TRANSLATE_NOOP("CoreText",
                      "no attribute block (the game plays the sound with its own defaults)"),
    QT_TRANSLATE_NOOP("CoreText", "the first comment starts with version %1 but holds only %2 "
                                  "bytes: the game reads past its end, and may stop"),
    QT_TRANSLATE_NOOP("CoreText", "sample rate %1 Hz: the game loads only %2 Hz"),
    QT_TRANSLATE_NOOP("CoreText", "the page %1 checksum is wrong: the game's decoder cannot open "
                                  "the file until it is repaired"),
    QT_TRANSLATE_NOOP("CoreText", "the identification header breaks the decoder's rules: the "
                                  "game cannot open the file"),
    QT_TRANSLATE_NOOP("CoreText", "the file ends inside its headers: the game cannot open it"),
    QT_TRANSLATE_NOOP("CoreText", "a length or count in the comment header runs past its end: "
                                  "the game cannot open the file"),
    QT_TRANSLATE_NOOP("CoreText", "%1 channels: the first game plays only mono sounds; the "
                                  "later games play stereo only as sounds in the player's head"),
    // The rules of the boxes.
    QT_TRANSLATE_NOOP("CoreText", " Must be valid floating point value from %1 to %2"),
    QT_TRANSLATE_NOOP("CoreText", " Number value must be equal to or greater than minimum"),
    QT_TRANSLATE_NOOP("CoreText", " Number value must be equal to or greater than %1"),
    // Reasons the disk gives.
    QT_TRANSLATE_NOOP("CoreText", "the file ended before its size"),
    QT_TRANSLATE_NOOP("CoreText", "the file changed while it was read"),
    QT_TRANSLATE_NOOP("CoreText", "not enough memory"),
    QT_TRANSLATE_NOOP("CoreText", "the folder could not be flushed to the disk"),
    QT_TRANSLATE_NOOP("CoreText", "its owner and group could not be kept"),
    QT_TRANSLATE_NOOP("CoreText", "its owner could not be kept"),
    QT_TRANSLATE_NOOP("CoreText", "some of its extended attributes could not be kept"),
    QT_TRANSLATE_NOOP("CoreText", "its permissions could not be kept"),
    QT_TRANSLATE_NOOP("CoreText", "the symbolic link points at nothing"),
    QT_TRANSLATE_NOOP("CoreText", "the sound cannot be written"),
    QT_TRANSLATE_NOOP("CoreText", "not a regular file"),
    // Restoring a backup.
    QT_TRANSLATE_NOOP("CoreText", "not restored"),
    QT_TRANSLATE_NOOP("CoreText", "not restored: the backup is not a regular file"),
    QT_TRANSLATE_NOOP("CoreText",
                      "not restored: its .newer name is taken; move that file away first"),
    QT_TRANSLATE_NOOP("CoreText", "not restored: the disk could not be flushed"),
    QT_TRANSLATE_NOOP("CoreText", "changed on disk since it was read; not restored"),
};

// Texts that begin with a fixed part before a reason, itself a core text.
constexpr const char *kBeforeReasons[] = {
    QT_TRANSLATE_NOOP("CoreText", "refused: "),
    QT_TRANSLATE_NOOP("CoreText", "view only: "),
};
// Texts that end with a fixed part after another core text.
constexpr const char *kAfterStates[] = {
    QT_TRANSLATE_NOOP("CoreText", ", stops the game"),
};
// Texts that begin or end with a fixed part around a name, which stays as it is.
constexpr const char *kPrefixes[] = {
    QT_TRANSLATE_NOOP("CoreText", "A problem occurred opening or reading file "),
    QT_TRANSLATE_NOOP("CoreText", " Problem creating/writing updated file "),
    QT_TRANSLATE_NOOP("CoreText", " Backup "),
};
constexpr const char *kSuffixes[] = {
    QT_TRANSLATE_NOOP("CoreText", " changed on disk after it was loaded; nothing was written. "
                                  "Ctrl-click Select Drive/Directory to reload it."),
    QT_TRANSLATE_NOOP("CoreText", " could not be made; nothing was written."),
    QT_TRANSLATE_NOOP("CoreText", " is open in another program; nothing was written. Close it "
                                  "there and save again."),
};

QString translated(const QString &source)
{
    return QCoreApplication::translate(kContext, source.toUtf8().constData());
}

// The text with its numbers (decimal, 0x hexadecimal, or an eight-digit checksum) as %1, %2...
QString numbersTaken(const QString &text, QStringList &numbers)
{
    static const QRegularExpression number(
        QStringLiteral("0x[0-9A-Fa-f]+|\\b[0-9A-F]{8}\\b|[0-9]+(?:\\.[0-9]+)?"));
    QString pattern;
    qsizetype from = 0;
    for (auto match = number.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        pattern += text.mid(from, found.capturedStart() - from);
        numbers << found.captured();
        pattern += QLatin1Char('%') + QString::number(numbers.size());
        from = found.capturedEnd();
    }
    return pattern + text.mid(from);
}

} // namespace

QString coreText(const QString &english)
{
    if (english.isEmpty())
        return english;
    for (const char *prefix : kBeforeReasons) {
        const QString fixed = QString::fromUtf8(prefix);
        if (english.startsWith(fixed))
            return translated(fixed) + coreText(english.mid(fixed.size()));
    }
    for (const char *suffix : kAfterStates) {
        const QString fixed = QString::fromUtf8(suffix);
        if (english.endsWith(fixed))
            return coreText(english.left(english.size() - fixed.size())) + translated(fixed);
    }
    for (const char *prefix : kPrefixes) {
        const QString fixed = QString::fromUtf8(prefix);
        if (english.startsWith(fixed))
            return translated(fixed) + english.mid(fixed.size());
    }
    for (const char *suffix : kSuffixes) {
        const QString fixed = QString::fromUtf8(suffix);
        if (english.endsWith(fixed))
            return english.left(english.size() - fixed.size()) + translated(fixed);
    }
    QStringList numbers;
    QString text = translated(numbersTaken(english, numbers));
    // The highest first, so that %1 does not take the start of %12.
    for (qsizetype i = numbers.size(); i > 0; --i)
        text.replace(QLatin1Char('%') + QString::number(i), numbers.at(i - 1));
    return text;
}

QString coreText(std::string_view english)
{
    return coreText(toQString(english));
}

} // namespace kelvane
