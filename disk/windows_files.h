#pragma once

#include <string>

#include <QString>

#include <windows.h>

// What the two halves of the Windows file system share: wide paths, errors as errno values,
// the handle behind a descriptor.
namespace kelvane::win {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A path for the wide API: absolute, with the prefix that lets it run past MAX_PATH.
[[nodiscard]] std::wstring widePath(const QString &path);
// The last Windows error as the nearest errno value.
[[nodiscard]] int lastError();
[[nodiscard]] HANDLE handleOf(int fd);
// Symbolic links and junctions are links; other reparse points are the files they stand for.
[[nodiscard]] bool isNameLink(DWORD attributes, DWORD tag);

} // namespace kelvane::win
