#include "message_words.h"

#include "number_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kelvane {

namespace {

// A number given to a message in the user's decimal separator, as the boxes and the table
// write it; the command line keeps the point.
std::string inUserNumbers(const std::string &arg)
{
    static const QRegularExpression decimal(QStringLiteral("^[-+]?\\d+\\.\\d+$"));
    const QChar separator = userDecimalSeparator();
    QString text = QString::fromStdString(arg);
    if (separator == QLatin1Char('.') || !decimal.match(text).hasMatch())
        return arg;
    return text.replace(QLatin1Char('.'), separator).toStdString();
}

} // namespace

QString translated(const Message &message)
{
    if (message.kind == MessageKind::List)
        return translated(message.parts).join(QStringLiteral(", "));
    const char *english = englishTemplate(message.kind).data();
    const QString text = isTranslated(message.kind)
                             ? QCoreApplication::translate("CoreText", english)
                             : QString::fromUtf8(english);
    // The same filling as the command line's, with this window's words for the parts.
    return QString::fromStdString(
        fillTemplate(text.toStdString(), [&](std::size_t n) -> std::string {
            if (n <= message.args.size())
                return inUserNumbers(message.args[n - 1]);
            const std::size_t part = n - message.args.size() - 1;
            if (part >= message.parts.size())
                return {};
            const QString words = translated(message.parts[part]);
            return (trimsParts(message.kind) ? words.trimmed() : words).toStdString();
        }));
}

QString notValidNumberText()
{
    return QCoreApplication::translate("kelvane::KelvaneWindow",
                                       " Floating point value is not valid.");
}

QStringList translated(const std::vector<Message> &messages)
{
    QStringList words;
    for (const Message &message : messages)
        words << translated(message);
    return words;
}

} // namespace kelvane
