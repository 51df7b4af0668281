// The single view's sound: the preview of the loaded sound (its length, waveform, playing and
// range picture) fed from the edit session, and played from the file name strip or Ctrl+Space.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "sound_page.h"
#include "sound_preview.h"

#include <QShortcut>

namespace kelvane {

void SoundPage::buildSoundViews(SoundOutput *output)
{
    preview_ = new SoundPreview(pnlAttributes, output, [this] {
        return double(editor_->typed(AttributeField::Volume).value_or(1.0f));
    });
    connect(preview_, &SoundPreview::status, this, &SoundPage::status);
    connect(preview_, &SoundPreview::layoutChanged, this, &SoundPage::placeGameWarnings);
    connect(preview_, &SoundPreview::rangeToggled, this, [this] {
        updateGameWarnings(); // which gives the picture the boxes' values
        placeGameWarnings();
    });
    auto *play = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), this);
    play->setContext(Qt::WindowShortcut);
    connect(play, &QShortcut::activated, preview_, &SoundPreview::togglePlaying);
    connect(pnlFileName, &CaptionPanel::clicked, preview_, &SoundPreview::togglePlaying);
}

void SoundPage::showSoundOf(const Inspection &found)
{
    if (found.outcome == LoadOutcome::Refused || !session_.image())
        return;
    preview_->show(session_.seconds(), session_.image()->readInPart(), session_.facts().has_value(),
                   session_.playableBytes());
}

void SoundPage::stopPlaying()
{
    preview_->stopPlaying();
}

void SoundPage::stopOutput()
{
    preview_->stopOutput();
}

void SoundPage::playFile(const QString &path, double volume)
{
    preview_->playFile(path, volume);
}

} // namespace kelvane
