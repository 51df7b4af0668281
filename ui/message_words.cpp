#include "message_words.h"

#include <QCoreApplication>

namespace kelvane {

QString wordsOf(const Message &message)
{
    if (message.kind == MessageKind::List)
        return wordsOf(message.parts).join(QStringLiteral(", "));
    const char *english = englishTemplate(message.kind).data();
    const QString text = isTranslated(message.kind)
                             ? QCoreApplication::translate("CoreText", english)
                             : QString::fromUtf8(english);
    // The same filling as the command line's, with this window's words for the parts.
    return QString::fromStdString(
        fillTemplate(text.toStdString(), [&](std::size_t n) -> std::string {
            if (n <= message.args.size())
                return message.args[n - 1];
            const std::size_t part = n - message.args.size() - 1;
            if (part >= message.parts.size())
                return {};
            const QString words = wordsOf(message.parts[part]);
            return (trimsParts(message.kind) ? words.trimmed() : words).toStdString();
        }));
}

QStringList wordsOf(const std::vector<Message> &messages)
{
    QStringList words;
    for (const Message &message : messages)
        words << wordsOf(message);
    return words;
}

} // namespace kelvane
