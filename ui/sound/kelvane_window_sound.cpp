// The single view's sound: the preview of the loaded sound (its length, waveform, playing and
// range picture) fed from the edit session, and played from the file name strip or Ctrl+Space.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "kelvane_window.h"
#include "sound_preview.h"

#include <QShortcut>

namespace kelvane {

void KelvaneWindow::buildSoundViews()
{
    preview_ = new SoundPreview(pnlAttributes, output_, [this] {
        return double(editor_->typed(AttributeField::Volume).value_or(1.0f));
    });
    connect(preview_, &SoundPreview::status, this, &KelvaneWindow::setStatusText);
    connect(preview_, &SoundPreview::layoutChanged, this, &KelvaneWindow::placeGameWarnings);
    connect(preview_, &SoundPreview::rangeToggled, this, [this] {
        updateGameWarnings(); // which gives the picture the boxes' values
        placeGameWarnings();
    });
    auto *play = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), this);
    play->setContext(Qt::WindowShortcut);
    connect(play, &QShortcut::activated, preview_, &SoundPreview::togglePlaying);
    connect(pnlFileName, &CaptionPanel::clicked, preview_, &SoundPreview::togglePlaying);
}

void KelvaneWindow::showSoundOf(const Inspection &found)
{
    if (found.outcome == LoadOutcome::Refused || !session_.image())
        return;
    preview_->show(session_.seconds(), session_.image()->readInPart(), session_.facts().has_value(),
                   session_.playableBytes());
}

} // namespace kelvane
