#include "number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include <QTest>

using kelvane::formatNumber;
using kelvane::parseNumber;
using kelvane::shortestNumber;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.0") << 1.0f << "1.0000000";
        QTest::newRow("2.0") << 2.0f << "2.0000000";
        QTest::newRow("50.0") << 50.0f << "50.0000000";
        QTest::newRow("100.0") << 100.0f << "100.0000000";
        QTest::newRow("0.1") << 0.1f << "0.1000000";
        QTest::newRow("2/3") << 2.0f / 3.0f << "0.6666667";
        QTest::newRow("123.456789") << 123.456789f << "123.4568000";
        QTest::newRow("12345678") << 12345678.0f << "1.234568E7";
        QTest::newRow("100000000") << 100000000.0f << "1E8";
        QTest::newRow("0.00000004") << 0.00000004f << "0.0000000";
        QTest::newRow("0.00000006") << 0.00000006f << "0.0000001";
        QTest::newRow("-1.0") << -1.0f << "-1.0000000";
        QTest::newRow("negative zero") << -0.0f << "0.0000000";
        // Halves round away from zero on the float's exact value: 12345.125 is exact.
        QTest::newRow("exact half up") << 12345.125f << "12345.1300000";
        QTest::newRow("exact half, negative") << -12345.125f << "-12345.1300000";
        // Seven significant digits: the decimals of a seven-digit number are dropped.
        QTest::newRow("seventh digit is the unit") << 1234567.4f << "1234567.0000000";
        QTest::newRow("carry through nines") << 0.00000096f << "0.0000010";
        // Seven integer digits stay fixed; an eighth goes scientific.
        QTest::newRow("9999999") << 9999999.0f << "9999999.0000000";
        QTest::newRow("10000000") << 10000000.0f << "1E7";
        QTest::newRow("scientific") << 1e30f << "1E30";
        QTest::newRow("tiny negative rounds to zero") << -1e-30f << "0.0000000";
        QTest::newRow("smallest denormal")
            << std::numeric_limits<float>::denorm_min() << "0.0000000";
        QTest::newRow("largest float") << std::numeric_limits<float>::max() << "3.402823E38";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "NAN";
        QTest::newRow("negative NaN") << std::bit_cast<float>(0xFFC00000u) << "NAN";
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "INF";
        QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << "-INF";
    }
    void format()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(formatNumber(value, '.'), text);
        QString withComma = text;
        withComma.replace('.', ',');
        QCOMPARE(formatNumber(value, ','), withComma);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<float>("value");
        QTest::newRow("plain") << "1.5" << true << 1.5f;
        QTest::newRow("blanks around") << "  2.5 " << true << 2.5f;
        QTest::newRow("sign") << "+0.5" << true << 0.5f;
        QTest::newRow("negative") << "-3" << true << -3.0f;
        QTest::newRow("separator alone") << "." << true << 0.0f;
        QTest::newRow("trailing separator") << "5." << true << 5.0f;
        QTest::newRow("exponent") << "1E-3" << true << 0.001f;
        QTest::newRow("shown back") << "1.234568E7" << true << 12345680.0f;
        QTest::newRow("float rounding") << "2.0000001" << true << 2.0f;
        QTest::newRow("minus alone") << "-" << false << 0.0f;
        QTest::newRow("empty") << "" << false << 0.0f;
        QTest::newRow("blank") << "   " << false << 0.0f;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0f;
        QTest::newRow("exponent alone") << "e5" << false << 0.0f;
        QTest::newRow("letters") << "abc" << false << 0.0f;
        QTest::newRow("other separator") << "1,5" << false << 0.0f;
        QTest::newRow("two separators") << "1.2.3" << false << 0.0f;
        QTest::newRow("hexadecimal") << "0x10" << false << 0.0f;
        QTest::newRow("NAN as shown") << "NAN" << false << 0.0f;
        QTest::newRow("INF as shown") << "INF" << false << 0.0f;
        QTest::newRow("beyond float") << "1e39" << false << 0.0f;
        QTest::newRow("beyond double") << "1e400" << false << 0.0f;
        QTest::newRow("Arabic digit") << QString(QChar(0x0661)) << false << 0.0f;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, converts);
        QFETCH(float, value);
        const auto read = parseNumber(text, '.');
        QCOMPARE(read.has_value(), converts);
        if (converts)
            QCOMPARE(*read, value);
        QString withComma = text;
        withComma.replace('.', ',');
        if (text.contains('.') && !text.contains(',')) {
            QCOMPARE(parseNumber(withComma, ',').has_value(), converts);
            // "." is read whatever the user's separator is.
            QCOMPARE(parseNumber(text, ',').has_value(), converts);
        }
    }

    // The table's numbers are the shortest that read back as the very float.
    void shortestNumbersAreExact()
    {
        QCOMPARE(shortestNumber(0.7f, '.'), QString("0.7"));
        QCOMPARE(shortestNumber(20.0f, ','), QString("20"));
        QCOMPARE(shortestNumber(2.0f / 3.0f, ','), QString("0,6666667"));
        QCOMPARE(shortestNumber(std::nextafter(1.0f, 2.0f), '.'), QString("1.0000001"));
        for (std::uint32_t bits = 0x3c000000; bits < 0x48000000; bits += 0x10101) {
            const float value = std::bit_cast<float>(bits);
            const auto read = parseNumber(shortestNumber(value, ','), ',');
            QVERIFY2(read && std::bit_cast<std::uint32_t>(*read) == bits,
                     qPrintable(shortestNumber(value, ',')));
        }
    }

    // Every shown text reads back to a value that shows the same text again.
    void shownTextsReadBack()
    {
        for (float value :
             {0.7f, 20.0f, 55.0f, 300.0f, 1e-3f, 2.0f / 3.0f, 12345678.0f, 1e20f, -4.25f}) {
            const QString shown = formatNumber(value, ',');
            const auto read = parseNumber(shown, ',');
            QVERIFY2(read.has_value(), qPrintable(shown));
            QCOMPARE(formatNumber(*read, ','), shown);
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
