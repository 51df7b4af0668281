#pragma once

#include <QString>

namespace kelvane {

// A sound's path below the folder it was found in, "/" between folders, as written (case and
// all): what the name filters match, and what pairs a mod's sound with the same sound of
// another tree, in the sound table and on the command line alike. A file not below `folder`
// gives its own path.
[[nodiscard]] QString pathBelow(const QString &folder, const QString &file);

} // namespace kelvane
