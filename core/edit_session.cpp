#include "edit_session.h"

#include "load_report.h"
#include "save_image.h"

#include <QFileInfo>

namespace kelvane {

EditSession::EditSession()
{
    track(ChangeEvent::StartUp);
}

EditSession::Loaded EditSession::load(const QString &path, const QString &shownName)
{
    image_.reset();
    facts_.reset();
    path_ = path;
    ReadResult read = readSoundFile(path, shownName);
    archive_ = read.archive;
    if (!read.image)
        return {false, read.failure, false, {}};
    loadedAs_ = read.identity;
    image_ = std::move(read.image);
    Loaded loaded{true, {}, image_->headersOnly(), inspectImage(*image_), archive_};
    const Inspection &found = loaded.found;
    sampleRate_ = found.sampleRate;
    // Once the shape checks passed, the game's view of the file can be told.
    if (found.sampleRate != 0)
        facts_ = soundFactsOf(found);
    if (found.shownAttrs) {
        fileAttrs_ = found.fileAttrs;
        savedAttrs_ = found.savedAttrs;
        show(*found.shownAttrs);
    }
    // A repair or an insertion in memory is a change the file does not hold yet; an archive's
    // sound is never written, so it holds none.
    if (found.armed && !archived())
        track(ChangeEvent::LoadArmed);
    return loaded;
}

void EditSession::clear()
{
    blockShown_ = false;
    facts_.reset();
    track(ChangeEvent::ClearDisplay);
}

void EditSession::unload()
{
    image_.reset();
}

void EditSession::userChanged()
{
    track(ChangeEvent::UserChange);
}

void EditSession::copy(const std::optional<SoundAttributes> &shown)
{
    copyValid_ = shown.has_value();
    if (shown)
        copiedAttrs_ = *shown;
    track(ChangeEvent::Copy);
}

const SoundAttributes &EditSession::paste()
{
    show(copiedAttrs_);
    track(ChangeEvent::Paste);
    return copiedAttrs_;
}

const SoundAttributes &EditSession::revert()
{
    show(fileAttrs_);
    track(ChangeEvent::Revert);
    return fileAttrs_;
}

EditSession::ApplyStep EditSession::apply(const std::optional<SoundAttributes> &shown)
{
    if (!shown) {
        track(ChangeEvent::ApplyInvalid);
        return ApplyStep::Invalid;
    }
    editAttrs_ = *shown;
    track(ChangeEvent::ApplyValid);
    return sameAttributes(editAttrs_, savedAttrs_) ? ApplyStep::NothingChanged : ApplyStep::Write;
}

bool EditSession::hasChangesToOffer() const
{
    return tracking_.dataChanged && canSave();
}

EditSession::Question EditSession::question(const std::optional<SoundAttributes> &shown)
{
    if (!hasChangesToOffer())
        return Question::None;
    if (!shown)
        return Question::Invalid;
    editAttrs_ = *shown;
    return sameAttributes(editAttrs_, savedAttrs_) ? Question::None : Question::Ask;
}

SaveResult EditSession::write(const QString &target, const QString &shownName, Backup backup)
{
    if (!canSave())
        return {};
    // Whatever name it is saved under, the loaded file is only replaced while it is still the
    // file that was loaded.
    const bool overLoaded =
        QFileInfo(target).absoluteFilePath() == QFileInfo(path_).absoluteFilePath();
    SaveResult saved = saveSoundFile(
        *image_, editAttrs_,
        {target, shownName, backup, overLoaded ? std::optional(loadedAs_) : std::nullopt});
    if (!saved.ok)
        return saved;
    if (overLoaded)
        loadedAs_ = saved.written;
    savedAttrs_ = editAttrs_;
    track(ChangeEvent::Written);
    return saved;
}

void EditSession::notWritten()
{
    track(ChangeEvent::NotWritten);
}

Inspection EditSession::inspectSaved()
{
    Inspection now = inspectImage(*image_);
    // A repaired checksum no longer stops the game.
    facts_ = soundFactsOf(now);
    return now;
}

std::vector<std::uint8_t> EditSession::playableBytes() const
{
    if (!image_)
        return {};
    std::vector<std::uint8_t> bytes(image_->bytes().begin(), image_->bytes().end());
    if (image_->layout())
        storePage2Checksum(bytes, image_->layout()->commentPageLength());
    return bytes;
}

std::optional<double> EditSession::seconds() const
{
    if (!image_)
        return std::nullopt;
    return soundSecondsOf(path_, *image_, sampleRate_);
}

bool EditSession::canSave() const
{
    // Inspection never lets an image read in part be written.
    return image_ && image_->writable();
}

void EditSession::show(const SoundAttributes &attrs)
{
    editAttrs_ = attrs;
    blockShown_ = true;
    track(ChangeEvent::ShowAttributes);
}

void EditSession::track(ChangeEvent event)
{
    const Facts facts{canSave(), !sameAttributes(editAttrs_, savedAttrs_),
                      !sameAttributes(editAttrs_, fileAttrs_), copyValid_, blockShown_};
    tracking_ = kelvane::track(event, tracking_, facts);
}

} // namespace kelvane
