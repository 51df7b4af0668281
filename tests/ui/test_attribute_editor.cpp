// The five fields of the single view without a window: what the boxes read as, in screen order,
// each number against its field's rule.
#include "attribute_editor.h"
#include "attribute_rules.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace kelvane;

namespace {

constexpr SoundAttributes kShown{kAttributeBlockVersion, 0.7f, 20.0f, 1.0f, 0x80040000u, 8.0f};

} // namespace

class TestAttributeEditor : public QObject
{
    Q_OBJECT

private slots:
    // A text typed into one box, the others as shown: the block read, or the first box that
    // breaks its rule, with the rule and whether the text is a number at all.
    void readsTheBoxesInScreenOrder_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("notANumber");
        const auto row = [](const char *name, AttributeField field, const char *typed, bool refused,
                            bool notANumber) {
            QTest::newRow(name) << int(field) << QString(typed) << refused << notANumber;
        };
        using F = AttributeField;
        row("volume not a number", F::Volume, "a", true, true);
        row("volume above 2", F::Volume, "2.000001", true, false);
        row("volume below 0", F::Volume, "-0.1", true, false);
        row("volume 2 as a float", F::Volume, "2.0000001", false, false);
        row("volume 0", F::Volume, "0", false, false);
        row("minimum negative", F::MinDist, "-1", true, false);
        row("minimum empty", F::MinDist, "", true, true);
        row("maximum below minimum", F::MaxDist, "0.5", true, false);
        row("maximum equal to minimum", F::MaxDist, "0.7", false, false);
        row("AI negative", F::MaxAIDist, "-0.5", true, false);
        row("AI zero", F::MaxAIDist, "0", false, false);
        row("AI beyond a float", F::MaxAIDist, "1e39", true, true);
        row("no upper limit", F::MaxDist, "1e30", false, false);
    }
    void readsTheBoxesInScreenOrder()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(bool, notANumber);
        QWidget panel;
        AttributeEditor editor(&panel);
        editor.show(kShown);
        QLineEdit *box = editor.box(AttributeField(field));
        box->setText(typed);
        const auto read = editor.read();
        if (!refused) {
            const auto *values = std::get_if<SoundAttributes>(&read);
            QVERIFY(values);
            SoundAttributes wanted = kShown;
            wanted.*fieldRow(AttributeField(field)).number = typed.toFloat();
            QVERIFY(sameAttributes(*values, wanted));
            return;
        }
        const auto *refusal = std::get_if<AttributeEditor::Refusal>(&read);
        QVERIFY(refusal);
        QCOMPARE(refusal->box, box);
        QVERIFY(refusal->rule == ruleText(AttributeField(field)));
        QCOMPARE(refusal->notANumber, notANumber);
    }

    // Showing values changes nothing the user did; typing and choosing do, and the list's type
    // code follows the choice (a code the list does not hold is kept while shown).
    void onlyTheUserChangesTheFields()
    {
        QWidget panel;
        AttributeEditor editor(&panel);
        QList<QWidget *> changed;
        connect(&editor, &AttributeEditor::changed, this, [&](QWidget *c) { changed << c; });
        SoundAttributes unlisted = kShown;
        unlisted.gameType = 0x12345;
        editor.show(unlisted);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(editor.typeCode(), 0x12345u);
        QCOMPARE(editor.typed(AttributeField::MaxDist), 20.0f);
        editor.box(AttributeField::MinDist)->setText("x");
        QCOMPARE(editor.typed(AttributeField::MinDist), std::nullopt);
        editor.typeList()->setCurrentIndex(1);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed,
                 (QList<QWidget *>{editor.box(AttributeField::MinDist), editor.typeList()}));
        QVERIFY(editor.typeCode() != 0x12345u);
    }
};

QTEST_MAIN(TestAttributeEditor)
#include "test_attribute_editor.moc"
