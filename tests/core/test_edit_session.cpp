#include "edit_session.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;
using Question = EditSession::Question;
using ApplyStep = EditSession::ApplyStep;

class TestEditSession : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString add(const QString &sample) { return fixtures::copySample(sample, dir_.path()); }

private slots:
    // A repaired checksum or an inserted block is a change the file does not hold yet: leaving
    // the sound offers it for saving even when nothing was typed; a sound as the file holds it
    // offers nothing.
    void whatLoadingFindsDecidesTheQuestion_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("asks");
        QTest::newRow("bad checksum") << "bad_checksum.ogg" << true;
        QTest::newRow("block inserted") << "no_comments.ogg" << true;
        QTest::newRow("block as saved") << "mono_block.ogg" << false;
    }
    void whatLoadingFindsDecidesTheQuestion()
    {
        QFETCH(QString, sample);
        QFETCH(bool, asks);
        EditSession session;
        const QString path = add(sample);
        QVERIFY(session.load(path, sample).read);
        QCOMPARE(session.tracking().apply, asks);
        QCOMPARE(session.question(session.shown()) == Question::Ask, asks);
        // Once written, the same values are saved: nothing is asked any more.
        if (asks) {
            QVERIFY(session.write(path, sample, Backup::None).ok);
            QCOMPARE(session.question(session.shown()), Question::None);
            QVERIFY(!session.tracking().apply);
        }
    }

    // Typing arms the question; Apply of the saved values writes nothing; a write that fails
    // keeps the edits pending; Revert shows the file's block again.
    void editsStayPendingUntilWritten()
    {
        EditSession session;
        const QString path = add("mono_block.ogg");
        QVERIFY(session.load(path, "mono_block.ogg").read);
        const SoundAttributes file = session.shown();
        SoundAttributes louder = file;
        louder.baseValue = 1.5f;

        session.userChanged();
        QVERIFY(session.dataChanged() && session.tracking().revert);
        QCOMPARE(session.question(file), Question::None);
        QCOMPARE(session.question(std::nullopt), Question::Invalid);
        QCOMPARE(session.apply(file), ApplyStep::NothingChanged);
        QVERIFY(!session.dataChanged());

        session.userChanged();
        QCOMPARE(session.apply(louder), ApplyStep::Write);
        QVERIFY(!session.write(dir_.filePath("gone/x.ogg"), "x.ogg", Backup::None).ok);
        session.notWritten();
        QCOMPARE(session.question(louder), Question::Ask);

        QVERIFY(sameAttributes(session.revert(), file));
        QVERIFY(!session.tracking().revert);
        QCOMPARE(session.question(file), Question::None);
    }

    // Copy keeps only values that validated; Paste shows them and arms Apply when they differ
    // from the saved block. An image read in part never has anything to save.
    void copyPasteAndViewOnlySounds()
    {
        EditSession session;
        QVERIFY(session.load(add("mono_block.ogg"), "mono_block.ogg").read);
        SoundAttributes copied = session.shown();
        copied.gameType = 0x80200000;
        session.copy(std::nullopt);
        QVERIFY(!session.tracking().paste);
        session.copy(copied);
        QVERIFY(session.tracking().paste);

        QVERIFY(session.load(add("stereo_block.ogg"), "stereo_block.ogg").read);
        QVERIFY(!session.dataChanged());
        QVERIFY(sameAttributes(session.paste(), copied));
        QVERIFY(sameAttributes(session.shown(), copied));
        QVERIFY(session.tracking().apply && session.question(copied) == Question::Ask);

        QByteArray big = fixtures::readFile(fixtures::samplePath("bad_checksum.ogg"));
        big.resize(10'485'761);
        fixtures::writeFile(dir_.filePath("big.ogg"), big);
        EditSession view;
        const EditSession::Loaded loaded = view.load(dir_.filePath("big.ogg"), "big.ogg");
        QVERIFY(loaded.read && loaded.headersOnly && !view.canSave());
        view.userChanged();
        (void)view.paste();
        QVERIFY(!view.dataChanged() && !view.hasChangesToOffer());
        QVERIFY(!view.write(dir_.filePath("big.ogg"), "big.ogg", Backup::None).ok);
    }
};

QTEST_GUILESS_MAIN(TestEditSession)
#include "test_edit_session.moc"
