// Audio files dropped on the file list become an import into the listed folder; a sound the game
// refuses for its rate, or plays without position, is offered to be made game-ready.
#include "game_rules.h"
#include "sound_page.h"
#include "source_drops.h"

#include <QListView>

namespace kelvane {

void SoundPage::acceptDrops()
{
    acceptSourceDrops(lstFiles,
                      [this](const QStringList &sources) { Q_EMIT importAsked(sources); });
}

bool SoundPage::needsGameReady() const
{
    const auto &facts = session_.facts();
    return facts && facts->sampleRate != 0 && !session_.archived() &&
           (facts->sampleRate != kEngineSampleRate || facts->channels == 2);
}

void SoundPage::askGameReady()
{
    if (needsGameReady() && !currentFileName_.isEmpty() && settle())
        Q_EMIT gameReadyAsked(pathOf(currentFileName_));
}

} // namespace kelvane
