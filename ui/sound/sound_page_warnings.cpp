// What the game will do with the values in the boxes as they are now: a mark on each box whose
// value the game rejects, and the panel under the boxes listing every warning. Neither blocks
// Apply: the user may save what they mean.
#include "attribute_editor.h"
#include "caption_panel.h"
#include "game_rules.h"
#include "game_sound_types.h"
#include "message_words.h"
#include "number_text.h"
#include "qt_text.h"
#include "range_view.h"
#include "sound_page.h"
#include "sound_preview.h"
#include "waveform_view.h"
#include "widget_making.h"

#include <algorithm>

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace kelvane {

namespace {

// Where the panel starts: under the last box, so it never covers one.
constexpr int kWarningsTop = 258;
constexpr int kWaveformHeight = 48;
constexpr int kLeastWaveformHeight = 16;

} // namespace

void SoundPage::buildGameWarnings()
{
    pnlGameWarnings = named(new QLabel(pnlAttributes), "pnlGameWarnings");
    pnlGameWarnings->setFont(sansFont(8, true));
    pnlGameWarnings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A margin, not an indent: a label indents top-aligned text from the top as well.
    pnlGameWarnings->setContentsMargins(6, 0, 0, 0);
    pnlGameWarnings->setWordWrap(true);
    QPalette warning = pnlGameWarnings->palette();
    warning.setColor(QPalette::WindowText, QColor(0x9C, 0x4A, 0x00));
    pnlGameWarnings->setPalette(warning);
    pnlGameWarnings->setTextFormat(Qt::RichText);
    connect(pnlGameWarnings, &QLabel::linkActivated, this, &SoundPage::askGameReady);
    pnlGameWarnings->hide();
    // The boxes' marks are made when first needed (see updateGameWarnings).
    // Room for one line of warnings and the least waveform between the boxes and the strip. The
    // line is measured in the regular face of the warnings' family, which the window has opened
    // already: a family's faces share their line spacing, and the bold one is opened only when
    // there is a warning to show.
    QFont regular = pnlGameWarnings->font();
    regular.setBold(false);
    pnlAttributes->setMinimumHeight(kWarningsTop + QFontMetrics(regular).lineSpacing() + 2 +
                                    kLeastWaveformHeight + 2 + pnlAttrStatus->height());
}

void SoundPage::placeGameWarnings()
{
    // Between the boxes and the attribute strip, whatever room the window leaves: the warnings
    // in whole lines (what does not fit is in the panel's tooltip and the boxes' marks), less
    // the least room of the waveform when there is one to show, then the waveform in the rest:
    // warnings never hide the waveform.
    const int bottom =
        pnlAttributes->height() - (pnlAttrStatus->isHidden() ? 0 : pnlAttrStatus->height()) - 2;
    const int width = pnlAttributes->width() - 16;
    const bool any = !pnlGameWarnings->text().isEmpty();
    const int line = any ? pnlGameWarnings->fontMetrics().lineSpacing() : 1;
    const int room = std::max(bottom - kWarningsTop, 0);
    const int needed = any ? (pnlGameWarnings->heightForWidth(width) + line - 1) / line : 0;
    const int waveRoom = preview_->holdsSomething() ? kLeastWaveformHeight + 2 : 0;
    const int lines = std::min(std::max(room - waveRoom, 0) / line, needed);
    pnlGameWarnings->setGeometry(8, kWarningsTop, width, lines * line);
    pnlGameWarnings->setVisible(lines > 0);

    const int waveTop = kWarningsTop + (lines > 0 ? lines * line + 2 : 0);
    const int stripRoom = std::max(bottom - waveTop, 0);
    // The strip's button, which puts the range picture in the waveform's place, beside it. The
    // picture takes all the room down to the buttons: its fall is read in dB per pixel.
    const bool fits = preview_->holdsSomething() && stripRoom >= kLeastWaveformHeight;
    preview_->place(QRect(8, waveTop, width - preview_->buttonWidth() - 4, stripRoom), fits,
                    kWaveformHeight);
}

// The facts of the loaded sound with the values the boxes hold now; a box that holds no
// number yet is left out of its rule.
SoundFacts SoundPage::factsShown() const
{
    SoundFacts facts = session_.facts().value_or(SoundFacts{});
    if (!session_.blockShown())
        return facts;
    SoundAttributes shown = session_.shown();
    shown.gameType = editor_->typeCode();
    // The range's notices follow the volume and the minimum as typed too.
    shown.baseValue = editor_->typed(AttributeField::Volume).value_or(shown.baseValue);
    shown.minDist = editor_->typed(AttributeField::MinDist).value_or(shown.minDist);
    shown.maxDist = editor_->typed(AttributeField::MaxDist).value_or(kLeastMaxDistance);
    shown.maxAIDist = editor_->typed(AttributeField::MaxAIDist).value_or(kLeastMaxDistance);
    facts.block = SoundFacts::Present;
    facts.attrs = shown;
    return facts;
}

void SoundPage::updateGameWarnings()
{
    std::vector<GameWarning> warnings;
    if (session_.facts())
        warnings = gameWarnings(factsShown());
    preview_->setRangeValues(session_.facts() && session_.blockShown() ? factsShown().attrs
                                                                       : std::nullopt);
    editor_->setWarnings(warnings);
    QStringList lines;
    QStringList rich;
    // What the game stops on comes first, in red and said so; notices follow. The rate's (or the
    // channels') line offers to make the sound game-ready.
    std::stable_partition(warnings.begin(), warnings.end(),
                          [](const GameWarning &w) { return w.stopsGame(); });
    bool offered = false;
    for (const GameWarning &warning : warnings) {
        lines << (warning.stopsGame() ? tr("Stops the game: %1") : QStringLiteral("! %1"))
                     .arg(translated(warning.text));
        rich << lines.back().toHtmlEscaped();
        const bool shape = warning.kind == GameWarningKind::SampleRate ||
                           warning.kind == GameWarningKind::Channels;
        if (shape && !offered && needsGameReady()) {
            rich.back() += QStringLiteral(" <a href=\"ready\">%1</a>").arg(tr("Make Game-Ready"));
            offered = true;
        }
    }
    QPalette colours = pnlGameWarnings->palette();
    colours.setColor(QPalette::WindowText,
                     anyStopsGame(warnings) ? QColor(0xB0, 0x00, 0x20) : QColor(0x9C, 0x4A, 0x00));
    pnlGameWarnings->setPalette(colours);
    pnlGameWarnings->setText(rich.join(QStringLiteral("<br>")));
    pnlGameWarnings->setToolTip(lines.join(QLatin1Char('\n')));
    placeGameWarnings();
}

} // namespace kelvane
