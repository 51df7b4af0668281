#pragma once

#include "message.h"

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

// The core's messages in English, as the tests compare them.
inline std::string text(const kelvane::Message &message)
{
    return kelvane::englishText(message);
}

inline std::vector<std::string> texts(const std::vector<kelvane::Message> &messages)
{
    std::vector<std::string> all;
    for (const kelvane::Message &message : messages)
        all.push_back(text(message));
    return all;
}

inline QString qtext(const kelvane::Message &message)
{
    return QString::fromStdString(text(message));
}

inline QStringList qtexts(const std::vector<kelvane::Message> &messages)
{
    QStringList all;
    for (const kelvane::Message &message : messages)
        all << qtext(message);
    return all;
}

// The words of a message that takes no arguments.
inline std::string textOf(kelvane::MessageKind kind)
{
    return std::string(kelvane::englishTemplate(kind));
}
