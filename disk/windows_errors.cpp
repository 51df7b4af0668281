// Windows' errors as the errno values every caller of the file system serves, and their texts.
#include "file_identity.h"
#include "windows_files.h"

#include <cerrno>
#include <cstring>

namespace kelvane {

namespace win {

namespace {

int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return EEXIST;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_TOO_MANY_LINKS:
        return EMLINK;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return EOPNOTSUPP;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

} // namespace

int lastError()
{
    return errnoOf(GetLastError());
}

} // namespace win

Message systemReason(int error)
{
    // Words of our own where the runtime has none, or none that says what happened.
    const auto reason = [](const char *text) { return Message(MessageKind::SystemReason, {text}); };
    switch (error) {
    case EBUSY:
        return reason("the file is open in another program");
    case EOPNOTSUPP:
        return reason("Operation not supported");
    case EIO:
        return reason("Input/output error");
    case EINVAL:
        return reason("the name is not allowed here");
    case ENAMETOOLONG:
        return reason("File name too long");
    default:
        return {MessageKind::SystemReason,
                {QString::fromLocal8Bit(std::strerror(error)).toStdString()}};
    }
}

} // namespace kelvane
