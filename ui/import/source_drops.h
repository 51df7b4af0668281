#pragma once

#include <functional>

#include <QStringList>

class QAbstractScrollArea;

namespace kelvane {

// Lets `view` take audio files (by their names: WAV, AIFF, FLAC, Ogg) and folders dropped on it
// from the file manager; `dropped` gets their absolute paths. Other drops are left to the view.
void acceptSourceDrops(QAbstractScrollArea *view, std::function<void(const QStringList &)> dropped);

} // namespace kelvane
