#include "attribute_fields.h"
#include "game_sound_types.h"
#include "sound_attributes.h"

#include <array>
#include <bit>
#include <limits>

#include <QTest>

using namespace kelvane;

namespace {

using Block = std::array<std::uint8_t, kAttributeBlockSize>;

Block bytesOf(const SoundAttributes &attrs)
{
    Block block{};
    writeAttributeBlock(block, attrs);
    return block;
}

float nanWithPayload(std::uint32_t payload)
{
    return std::bit_cast<float>(0x7FC00000u | payload);
}

} // namespace

Q_DECLARE_METATYPE(SoundAttributes)

class TestSoundAttributes : public QObject
{
    Q_OBJECT

private slots:
    // File order, little-endian, whatever the host: version, min, max, volume, type, AI.
    void blockBytesAreLittleEndianInFileOrder()
    {
        const Block expected{0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // 3, 2.0
                             0x00, 0x00, 0xC8, 0x42, 0x00, 0x00, 0x80, 0x3F,  // 100.0, 1.0
                             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x48, 0x42}; // 0, 50.0
        QCOMPARE(bytesOf(defaultAttrs), expected);

        const SoundAttributes odd{0x01020304u, -0.5f, 1e30f, 2.0f, 0x80200000u, 0.1f};
        const Block oddBytes = bytesOf(odd);
        QCOMPARE(oddBytes[0], std::uint8_t{0x04});
        QCOMPARE(oddBytes[3], std::uint8_t{0x01});
        QCOMPARE(oddBytes[19], std::uint8_t{0x80});
        QCOMPARE(oddBytes[18], std::uint8_t{0x20});
        const SoundAttributes back = readAttributeBlock(oddBytes);
        QCOMPARE(bytesOf(back), oddBytes);
        QCOMPARE(back.maxDist, 1e30f);
        QCOMPARE(back.maxAIDist, 0.1f);
    }

    void sameAttributes_data()
    {
        QTest::addColumn<SoundAttributes>("other");
        QTest::addColumn<bool>("same");
        const SoundAttributes base = defaultAttrs;
        auto with = [&](auto change) {
            SoundAttributes a = base;
            change(a);
            return a;
        };
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("identical") << base << true;
        QTest::newRow("version") << with([](auto &a) { a.version = 0; }) << false;
        QTest::newRow("game type") << with([](auto &a) { a.gameType = 0x08000080u; }) << false;
        QTest::newRow("minimum") << with([](auto &a) { a.minDist = 2.0000002f; }) << false;
        QTest::newRow("volume") << with([](auto &a) { a.baseValue = 1.5f; }) << false;
        QTest::newRow("AI distance") << with([](auto &a) { a.maxAIDist = 49.0f; }) << false;
        // A user who replaces a NaN distance by a number must see it as a change.
        QTest::newRow("NaN maximum") << with([&](auto &a) { a.maxDist = nan; }) << false;
        QTest::newRow("NaN AI distance") << with([&](auto &a) { a.maxAIDist = nan; }) << false;
    }
    void sameAttributes()
    {
        QFETCH(SoundAttributes, other);
        QFETCH(bool, same);
        QCOMPARE(kelvane::sameAttributes(defaultAttrs, other), same);
        QCOMPARE(kelvane::sameAttributes(other, defaultAttrs), same);
    }

    void zerosAndNaNsCompareByValueAndBits()
    {
        SoundAttributes a = defaultAttrs;
        SoundAttributes b = defaultAttrs;
        a.minDist = 0.0f;
        b.minDist = -0.0f;
        QVERIFY(kelvane::sameAttributes(a, b));
        a.maxDist = b.maxDist = nanWithPayload(1);
        QVERIFY(kelvane::sameAttributes(a, b));
        b.maxDist = nanWithPayload(2);
        QVERIFY(!kelvane::sameAttributes(a, b));
    }

    // Each row of the field table reaches its own field and only it: a value changed in one
    // field is found there alone (bit for bit: -0 is not 0, as the game stores it), and an edit
    // of that field is seen, laid over a block, and replaced by a later edit of it.
    void eachFieldRowReachesItsOwnField()
    {
        for (const FieldRow &row : kAttributeFields) {
            SoundAttributes base = defaultAttrs;
            SoundAttributes other = defaultAttrs;
            AttributeEdits edit;
            AttributeEdits later;
            if (row.number) {
                base.*row.number = 0.0f;
                other.*row.number = -0.0f;
                edit.*row.edit = 7.0f;
                later.*row.edit = 9.0f;
            } else {
                other.gameType = 0x1234;
                edit.gameType = 0x1234;
                later.gameType = 9;
            }
            QCOMPARE(differingFields(base, other), std::vector{row.field});
            QCOMPARE(&fieldRow(row.field), &row);
            QVERIFY(edit.any() && isEdited(row, edit));
            QCOMPARE(differingFields(base, edit.over(base)), std::vector{row.field});
            QVERIFY(differingFields(edit.then(later).over(base), later.over(base)).empty());
        }
        QVERIFY(differingFields(defaultAttrs, defaultAttrs).empty() && !AttributeEdits{}.any());
    }

    void gameTypeLookups()
    {
        for (std::size_t i = 0; i < GameSoundTypes.size(); ++i) {
            QCOMPARE(gameTypeIndex(GameSoundTypes[i].code), i);
            QCOMPARE(gameTypeCode(i), GameSoundTypes[i].code);
        }
        // Game code sometimes combines types; such a word is not in the table.
        QCOMPARE(gameTypeIndex(0xC0800000u), std::size_t{0});
        QCOMPARE(gameTypeIndex(0x80000000u), std::size_t{0});
        QCOMPARE(gameTypeCode(GameSoundTypes.size()), 0u);
        QCOMPARE(GameSoundTypes[gameTypeIndex(0x80200000u)].name,
                 std::string_view("weapon_shooting"));
    }
};

QTEST_GUILESS_MAIN(TestSoundAttributes)
#include "test_sound_attributes.moc"
