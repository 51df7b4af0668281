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
    // Each %n once, left to right, so that a name holding "%1" stays as it is.
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (c != QLatin1Char('%') || next < QLatin1Char('1') || next > QLatin1Char('9')) {
            out += c;
            continue;
        }
        const auto n = std::size_t(next.unicode() - '1');
        ++i;
        if (n < message.args.size()) {
            out += QString::fromStdString(message.args[n]);
        } else if (n - message.args.size() < message.parts.size()) {
            const QString part = wordsOf(message.parts[n - message.args.size()]);
            out += trimsParts(message.kind) ? part.trimmed() : part;
        }
    }
    return out;
}

QStringList wordsOf(const std::vector<Message> &messages)
{
    QStringList words;
    for (const Message &message : messages)
        words << wordsOf(message);
    return words;
}

} // namespace kelvane
