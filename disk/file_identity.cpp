#include "file_identity.h"

#include "file_system.h"

namespace kelvane {

std::optional<FileIdentity> identityOfPath(const QString &path)
{
    int error = 0;
    const auto facts = fs::factsOf(path, fs::Links::Follow, error);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

std::optional<FileIdentity> identityOfEntry(const QString &path)
{
    int error = 0;
    const auto facts = fs::factsOf(path, fs::Links::Keep, error);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

} // namespace kelvane
