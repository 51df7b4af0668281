#pragma once

#include "message.h"

#include <QString>
#include <QStringList>

namespace kelvane {

// A message as the command line and JSON word it: in English, with its outer blanks gone.
[[nodiscard]] inline QString english(const Message &message)
{
    return QString::fromStdString(englishText(message)).trimmed();
}

// Lines as they are, their blanks kept: the details of a sound line up by them.
[[nodiscard]] inline QStringList english(const std::vector<Message> &messages)
{
    QStringList texts;
    for (const Message &message : messages)
        texts << QString::fromStdString(englishText(message));
    return texts;
}

// The name scripts know a message by; null for no message.
[[nodiscard]] inline QString keyOf(const Message &message)
{
    return message.empty() ? QString() : QString::fromLatin1(messageKey(message.kind));
}

} // namespace kelvane
