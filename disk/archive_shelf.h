#pragma once

#include "archive_file.h"

#include <memory>
#include <variant>

#include <QString>

namespace kelvane {

// An archive open for reading, shared: listing a game's sounds and then reading each of them
// reads its index once. An archive is opened again when the file at its path is no longer the
// one opened (replaced, or written to); safe from any thread.
[[nodiscard]] std::variant<std::shared_ptr<const ArchiveFile>, ArchiveOpenFailure>
openShelvedArchive(const QString &path);

// Why an archive could not be opened, in words.
[[nodiscard]] Message archiveFailureText(const ArchiveOpenFailure &failure);

} // namespace kelvane
