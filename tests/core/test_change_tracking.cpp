#include "change_tracking.h"

#include <QTest>

using namespace kelvane;

Q_DECLARE_METATYPE(ChangeEvent)
Q_DECLARE_METATYPE(Tracking)

namespace {

// Before-states and facts chosen so that every kind of cell shows: a kept cell keeps the
// "before" value, which differs from what every computed cell gives.
constexpr Tracking kAllOn{true, true, true, true, true};
constexpr Tracking kAllOff{false, false, false, false, false};
constexpr Facts kWritableEdited{true, true, false, true, true};
constexpr Facts kReadOnlyUnedited{false, false, true, false, true};

} // namespace

class TestChangeTracking : public QObject
{
    Q_OBJECT

private slots:
    // Each row of the enabling table, in the words of the design: changes pending, Apply,
    // Revert, Copy, Paste.
    void everyRow_data()
    {
        QTest::addColumn<ChangeEvent>("event");
        QTest::addColumn<Tracking>("before");
        QTest::addColumn<bool>("writableEdited");
        QTest::addColumn<Tracking>("after");
        const auto row = [](const char *name, ChangeEvent event, Tracking before, bool facts,
                            Tracking after) {
            QTest::newRow(name) << event << before << facts << after;
        };
        using E = ChangeEvent;
        row("start-up", E::StartUp, kAllOn, true, {false, false, false, false, false});
        // Without a block shown, Paste is off too.
        row("clear display", E::ClearDisplay, kAllOn, true, {false, false, false, false, false});
        row("show attributes, copy valid", E::ShowAttributes, kAllOff, true,
            {false, false, false, true, true});
        row("show attributes, no copy", E::ShowAttributes, kAllOn, false,
            {true, true, true, true, false});
        row("load armed", E::LoadArmed, kAllOff, true, {true, true, false, false, false});
        row("user change, writable", E::UserChange, kAllOff, true,
            {true, true, true, false, false});
        row("user change, read in part", E::UserChange, kAllOn, false,
            {false, false, false, true, true});
        row("copy valid", E::Copy, kAllOff, true, {false, false, false, false, true});
        row("copy invalid", E::Copy, kAllOn, false, {true, true, true, true, false});
        row("paste, differs from saved", E::Paste, kAllOff, true, {true, true, false, true, false});
        row("paste, read in part", E::Paste, kAllOn, false, {false, false, true, true, true});
        row("revert, differs from saved", E::Revert, kAllOff, true,
            {true, true, false, true, false});
        row("revert, read in part", E::Revert, kAllOn, false, {false, false, false, true, true});
        row("apply, validation fails", E::ApplyInvalid, kAllOn, true, kAllOn);
        row("apply, values valid", E::ApplyValid, kAllOn, true, {false, true, true, true, true});
        row("written", E::Written, kAllOn, true, {true, false, true, true, true});
        row("not written", E::NotWritten, kAllOff, true, {true, false, false, false, false});
    }
    void everyRow()
    {
        QFETCH(ChangeEvent, event);
        QFETCH(Tracking, before);
        QFETCH(bool, writableEdited);
        QFETCH(Tracking, after);
        const Tracking got =
            track(event, before, writableEdited ? kWritableEdited : kReadOnlyUnedited);
        QCOMPARE(got.dataChanged, after.dataChanged);
        QCOMPARE(got.apply, after.apply);
        QCOMPARE(got.revert, after.revert);
        QCOMPARE(got.copy, after.copy);
        QCOMPARE(got.paste, after.paste);
    }
};

QTEST_GUILESS_MAIN(TestChangeTracking)
#include "test_change_tracking.moc"
