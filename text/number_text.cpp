#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include <QLocale>

namespace kelvane {

namespace {

constexpr int kSignificantDigits = 7;
constexpr int kDecimals = 7;

// The exact decimal expansion of a float: `digits` d1 d2 ... with d1 != 0, and `exponent` such
// that the value is d1.d2d3... x 10^exponent. glibc prints every digit exactly.
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

Decimal exactDecimal(float magnitude)
{
    std::array<char, 256> text{};
    std::snprintf(text.data(), text.size(), "%.160e", static_cast<double>(magnitude));
    const std::string printed(text.data());
    const auto e = printed.find('e');
    Decimal d;
    d.digits = printed.substr(0, 1) + printed.substr(2, e - 2);
    d.exponent = std::atoi(printed.c_str() + e + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps the digits of place value 10^place and above, rounding half away from zero. The
// result's digits may be empty (the value rounded to zero).
Decimal roundAtPlace(Decimal d, int place)
{
    const int kept = d.exponent - place + 1; // how many leading digits stay
    if (kept < 0)
        return {"", d.exponent};
    if (static_cast<std::size_t>(kept) >= d.digits.size())
        return d;
    const bool up = d.digits[static_cast<std::size_t>(kept)] >= '5';
    d.digits.resize(static_cast<std::size_t>(kept));
    if (up) {
        int i = kept - 1;
        for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
            d.digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        return {"", 0};
    return d;
}

// The digit of place value 10^place, '0' where the expansion has none.
char digitAt(const Decimal &d, int place)
{
    const int index = d.exponent - place;
    if (index < 0 || static_cast<std::size_t>(index) >= d.digits.size())
        return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QString shortestNumber(float value, QChar decimalSeparator)
{
    std::array<char, 32> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    QString text =
        QString::fromLatin1(digits.data(), error == std::errc() ? end - digits.data() : 0);
    return text.replace(QLatin1Char('.'), decimalSeparator);
}

QString formatNumber(float value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const QString zero = QStringLiteral("0") + decimalSeparator + QString(kDecimals, '0');
    if (value == 0.0f)
        return zero;

    const Decimal exact = exactDecimal(std::fabs(value));
    const int place = std::max(exact.exponent - (kSignificantDigits - 1), -kDecimals);
    const Decimal rounded = roundAtPlace(exact, place);
    if (rounded.digits.empty())
        return zero;

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (rounded.exponent >= kSignificantDigits) {
        text += QLatin1Char(rounded.digits[0]);
        if (rounded.digits.size() > 1)
            text += decimalSeparator + QString::fromLatin1(rounded.digits.substr(1));
        return text + QStringLiteral("E") + QString::number(rounded.exponent);
    }
    if (rounded.exponent < 0) {
        text += QLatin1Char('0');
    } else {
        for (int p = rounded.exponent; p >= 0; --p)
            text += QLatin1Char(digitAt(rounded, p));
    }
    text += decimalSeparator;
    for (int p = -1; p >= -kDecimals; --p)
        text += QLatin1Char(digitAt(rounded, p));
    return text;
}

std::optional<float> parseNumber(const QString &text, QChar decimalSeparator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    std::string plain;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        plain += static_cast<char>(text[i++].unicode());
    bool digits = false;
    bool separator = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        plain += static_cast<char>(text[i++].unicode());
        digits = true;
    }
    if (i < n && (text[i] == decimalSeparator || text[i] == QLatin1Char('.'))) {
        plain += '.';
        separator = true;
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            plain += static_cast<char>(text[i++].unicode());
            digits = true;
        }
    }
    if (!digits && !separator)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            plain += static_cast<char>(text[i++].unicode());
        bool exponentDigits = false;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            plain += static_cast<char>(text[i++].unicode());
            exponentDigits = true;
        }
        if (!exponentDigits)
            return std::nullopt;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    if (!digits)
        plain += '0'; // the separator alone, or a sign and the separator, reads as zero

    // Locale-independent: the separator was already turned into '.'.
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromLatin1(plain), &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

QString lengthText(double seconds, QChar decimalSeparator, const QString &secondsUnit)
{
    const auto whole = static_cast<long long>(seconds);
    return QStringLiteral("%1 %4 (%2:%3)")
        .arg(QString::number(seconds, 'f', 3).replace(QLatin1Char('.'), decimalSeparator))
        .arg(whole / 60)
        .arg(whole % 60, 2, 10, QLatin1Char('0'))
        .arg(secondsUnit);
}

QChar userDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.at(0) : QLatin1Char('.');
}

} // namespace kelvane
