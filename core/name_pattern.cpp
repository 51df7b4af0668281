#include "name_pattern.h"

namespace kelvane {

NamePattern::NamePattern(const QString &text)
    : text_(text)
{
    if (!text.contains(QLatin1Char('*')) && !text.contains(QLatin1Char('?')))
        return;
    QString expression;
    for (const QChar c : text) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    wildcard_.emplace(QRegularExpression::anchoredPattern(expression),
                      QRegularExpression::CaseInsensitiveOption |
                          QRegularExpression::DotMatchesEverythingOption);
}

bool NamePattern::matches(const QString &path) const
{
    if (wildcard_)
        return wildcard_->match(path).hasMatch();
    return path.contains(text_, Qt::CaseInsensitive);
}

} // namespace kelvane
