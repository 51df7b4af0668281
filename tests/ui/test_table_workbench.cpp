// The sound table as a workbench: values typed into its cells, undone and written; the stock
// sounds beside the mod's.
#include "../cli/cli_run.h"
#include "game_sound_types.h"
#include "kelvane_application.h"
#include "message_words.h"
#include "number_text.h"
#include "ogg_judge.h"
#include "sound_writer.h"
#include "table_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

using namespace kelvane;

class TestTableWorkbench : public QObject, TableFixture
{
    Q_OBJECT

    // A cell clicked with `modifiers`: it becomes the current cell, where typing goes.
    void clickCell(const QString &path, int column, Qt::KeyboardModifiers modifiers = {})
    {
        form->activateWindow(); // a click on a window makes it the active one
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const QModelIndex index = table()->model()->index(rowOf(path), column);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, modifiers,
                          table()->visualRect(index).center());
    }
    // Types into the current cell and confirms, as a user does.
    void typeInCell(const QString &text)
    {
        // Each key to where the focus is: the first opens the cell's editor.
        for (const QChar key : text)
            QTest::keyClick(form->focusWidget(), key.toLatin1());
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
        // The editor hands its text over once the key is handled.
        QVERIFY(QTest::qWaitFor([this] { return form->focusWidget() == table(); }));
    }
    bool bold(int row, int column)
    {
        return table()->model()->index(row, column).data(Qt::FontRole).value<QFont>().bold();
    }
    QString pendingText() { return w<QLabel>("lblPending")->text(); }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    // Typing a value into a cell of a selected row sets that field, and only that field, on
    // every selected row that can be written: shown at once (bold, judged by the game's rules,
    // counted) and written by Apply byte for byte as a save of those values.
    void aCellTypedOnManyRowsSetsThatFieldInEach()
    {
        const QString a = add("mono_block.ogg");
        const QString b = add("stereo_block.ogg");
        const QString c = add("lacing_240.ogg");
        const QByteArray aBefore = fixtures::readFile(a), bBefore = fixtures::readFile(b),
                         cBefore = fixtures::readFile(c);
        SoundAttributes aWanted = attributesOf(a), bWanted = attributesOf(b);
        put("broken.ogg", "OggS but not a sound"); // selected too, never written
        QVERIFY(openOverview());
        clickCell("broken.ogg", Column::MaxAIDist);
        clickCell("mono_block.ogg", Column::MaxAIDist, Qt::ControlModifier);
        clickCell("stereo_block.ogg", Column::MaxAIDist, Qt::ControlModifier);
        typeInCell("0,05"); // either separator, in every language
        QCOMPARE(cell(rowOf("mono_block.ogg"), Column::MaxAIDist), number(0.05));
        QCOMPARE(cell(rowOf("stereo_block.ogg"), Column::MaxAIDist), number(0.05));
        QVERIFY(bold(rowOf("stereo_block.ogg"), Column::MaxAIDist));
        QVERIFY(!bold(rowOf("stereo_block.ogg"), Column::MaxDist));
        QVERIFY(cell(rowOf("lacing_240.ogg"), Column::MaxAIDist) != number(0.05));
        // The game's rules judge the edit before it is written.
        QVERIFY(cell(rowOf("mono_block.ogg"), Column::Warnings).contains("0.1"));
        QVERIFY2(pendingText().startsWith("2 "), qPrintable(pendingText()));

        // Text that is not a number changes nothing and says so.
        clickCell("mono_block.ogg", Column::Volume);
        typeInCell("loud");
        QCOMPARE(form->statusText(), notValidNumberText());

        press("btnApplyEdits");
        QVERIFY(settled());
        QCOMPARE(fixtures::readFile(c), cBefore);
        aWanted.maxAIDist = bWanted.maxAIDist = 0.05f;
        QCOMPARE(fixtures::readFile(a), savedAs(aBefore, aWanted));
        QCOMPARE(fixtures::readFile(b), savedAs(bBefore, bWanted));
        QCOMPARE(attributesOf(a).maxAIDist, 0.05f);
        QVERIFY(judgeOgg(fixtures::readFile(a)).valid);
        QVERIFY(!w<QLabel>("lblPending")->isVisible());
        QVERIFY(!bold(rowOf("mono_block.ogg"), Column::MaxAIDist));
    }

    // A double-click on a value of one of several selected rows edits it in all of them, as
    // a user who selected them first expects: the click before it does not drop the others.
    void aDoubleClickedCellKeepsTheSelection()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        QVERIFY(openOverview());
        select({"mono_block.ogg", "stereo_block.ogg"});
        const QModelIndex index = table()->model()->index(rowOf("mono_block.ogg"), Column::MaxDist);
        const QPoint at = table()->visualRect(index).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(QTest::qWaitFor([this] { return form->focusWidget() != table(); }));
        auto *box = qobject_cast<QLineEdit *>(form->focusWidget());
        QVERIFY(box);
        box->selectAll();
        QTest::keyClicks(box, "400");
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([this] { return form->focusWidget() == table(); }));
        QCOMPARE(cell(rowOf("mono_block.ogg"), Column::MaxDist), number(400));
        QCOMPARE(cell(rowOf("stereo_block.ogg"), Column::MaxDist), number(400));
    }

    // Ctrl+Z takes back the last edit, Ctrl+Shift+Z makes it again; Revert is undone too.
    void editsAreUndoneAndRedone()
    {
        add("mono_block.ogg");
        QVERIFY(openOverview());
        const int row = rowOf("mono_block.ogg");
        clickCell("mono_block.ogg", Column::Volume);
        typeInCell("0.5");
        clickCell("mono_block.ogg", Column::MinDist);
        typeInCell("3");
        QCOMPARE(cell(row, Column::MinDist), number(3));
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(row, Column::MinDist), number(0.7));
        QCOMPARE(cell(row, Column::Volume), number(0.5));
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(row, Column::Volume), number(1));
        QVERIFY(!w<QLabel>("lblPending")->isVisible());
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(row, Column::MinDist), number(3));
        press("btnRevertEdits");
        QCOMPARE(cell(row, Column::MinDist), number(0.7));
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(row, Column::Volume), number(0.5));
        QVERIFY(bold(row, Column::Volume));
    }

    // Leaving the table with edits not written asks first: Cancel stays, No drops them, Yes
    // writes them. A sound changed on disk meanwhile is not written over.
    void leavingAsksToSaveAndChangedSoundsAreLeftAlone()
    {
        const QString a = add("mono_block.ogg");
        const QString b = add("stereo_block.ogg");
        const QByteArray aBefore = fixtures::readFile(a);
        QVERIFY(openOverview());
        clickCell("mono_block.ogg", Column::MaxDist);
        typeInCell("44");
        auto asked = driver::answerMessageBox(QMessageBox::Cancel);
        press("btnOverview");
        QVERIFY(asked->seen);
        QCOMPARE(asked->text, QString("Save changes first?"));
        QVERIFY(w<QPushButton>("btnOverview")->isChecked());
        asked = driver::answerMessageBox(QMessageBox::No);
        press("btnOverview");
        QVERIFY(asked->seen);
        QVERIFY(!w<QPushButton>("btnOverview")->isChecked());
        QCOMPARE(fixtures::readFile(a), aBefore);

        QVERIFY(openOverview());
        clickCell("mono_block.ogg", Column::MaxDist);
        typeInCell("44");
        clickCell("stereo_block.ogg", Column::MaxDist);
        typeInCell("55");
        const QByteArray elsewhere = fixtures::readFile(fixtures::samplePath("lacing_240.ogg"));
        fixtures::writeFile(b, elsewhere); // another program writes the sound meanwhile
        asked = driver::answerMessageBox(QMessageBox::Yes);
        press("btnOverview");
        QVERIFY(asked->seen);
        QVERIFY(settled());
        QCOMPARE(attributesOf(a).maxDist, 44.0f);
        QCOMPARE(fixtures::readFile(b), elsewhere);
        // Not all written: the table stays, its row says why.
        QVERIFY(w<QPushButton>("btnOverview")->isChecked());
        QVERIFY(!cell(rowOf("stereo_block.ogg"), Column::Warnings).isEmpty());
    }

    // A row's menu plays the sound as it is on disk at its volume (the bad checksum repaired in
    // memory), shows its folder in the file manager and copies the selected paths.
    void theRowMenuPlaysShowsAndCopies()
    {
        in("weapons", "bad_checksum.ogg");
        add("mono_block.ogg");
        QVERIFY(openOverview());
        select({"weapons/bad_checksum.ogg", "mono_block.ogg"});
        QMenu *menu = tableMenu("weapons/bad_checksum.ogg");
        QVERIFY(menu);
        menu->findChild<QAction *>("actPlaySound")->trigger();
        QVERIFY(QTest::qWaitFor([this] { return output.playing != nullptr; }));
        QVERIFY(output.playing->decoded());
        QCOMPARE(output.volumes, QList<double>{1.0});
        menu->findChild<QAction *>("actShowSound")->trigger();
        QCOMPARE(launcher.folders, QStringList{path("weapons")});
        menu->findChild<QAction *>("actCopyPath")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 path("mono_block.ogg") + "\n" + path("weapons/bad_checksum.ogg"));
        QCOMPARE(fixtures::readFile(path("weapons/bad_checksum.ogg")),
                 fixtures::readFile(fixtures::samplePath("bad_checksum.ogg")));
    }

    // The comparison pairs the rows with the stock sounds as `kelvane-cli diff` pairs them,
    // tints what differs with the stock value in its tip, filters, survives a new listing,
    // and hands the stock values to the edits.
    void comparesWithTheStockSoundsAsDiffDoes()
    {
        QTemporaryDir stockDir;
        const QString stock = QDir(stockDir.path()).canonicalPath();
        add("mono_block.ogg");
        add("stereo_block.ogg");
        in("sub", "lacing_240.ogg");
        fixtures::copySample("mono_block.ogg", stock);
        const QString stockStereo = fixtures::copySample("stereo_block.ogg", stock);
        QDir(stock).mkpath("other");
        fixtures::copySample("no_comments.ogg", stock + "/other");
        fixtures::copySample("lacing_240.ogg", stock + "/other"); // the same name elsewhere
        // The stock sound differs in every field, so that taking its values shows each taken.
        SoundAttributes changed = attributesOf(stockStereo);
        changed.gameType = GameSoundTypes[5].code == changed.gameType ? GameSoundTypes[6].code
                                                                      : GameSoundTypes[5].code;
        changed.baseValue = 0.5f;
        changed.minDist = 3;
        changed.maxDist = 60;
        changed.maxAIDist = 25;
        fixtures::writeFile(stockStereo, savedAs(fixtures::readFile(stockStereo), changed));
        QVERIFY(openOverview());

        // The folder listed and one without sounds are refused.
        for (const QString &refused : {folder, QDir(stock).filePath("other/none")}) {
            QDir().mkpath(refused);
            driver::answerFileDialog(refused);
            auto box = driver::answerMessageBox(QMessageBox::Ok);
            press("btnCompare");
            QVERIFY(QTest::qWaitFor([&] { return box->seen; }, 20'000));
            QVERIFY(settled());
            QVERIFY(!w<QComboBox>("cmbStockFilter")->isVisible());
        }
        driver::answerFileDialog(stock);
        press("btnCompare");
        QVERIFY(settled());

        const Run diff = cli({"diff", "-r", "--json", folder, stock}, folder);
        QStringList differing, onlyInMod;
        for (const QString &line : diff.out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject record = QJsonDocument::fromJson(line.toUtf8()).object();
            const QString first = record["differences"].toArray().first().toString();
            if (first == "only in A")
                onlyInMod << QDir::fromNativeSeparators(record["file"].toString());
            else if (!record["same"].toBool() && first != "only in B")
                differing << QDir::fromNativeSeparators(record["file"].toString());
        }
        QCOMPARE(differing, QStringList{"stereo_block.ogg"});
        const int row = rowOf("stereo_block.ogg");
        QCOMPARE(tip(row, Column::MaxDist), QString("stock: %1").arg(number(60)));
        const auto tinted = [&](int column) {
            return table()->model()->index(row, column).data(Qt::BackgroundRole).isValid();
        };
        for (const int field :
             {Column::Type, Column::Volume, Column::MinDist, Column::MaxDist, Column::MaxAIDist})
            QVERIFY2(tinted(field), qPrintable(QString::number(field)));
        QVERIFY(!tinted(Column::Rate));
        // Each filter chosen by the label the user reads.
        auto *filters = w<QComboBox>("cmbStockFilter");
        QStringList changedByMod = differing + onlyInMod; // every row diff reports
        changedByMod.sort(Qt::CaseInsensitive);
        for (const auto &[label, expected] :
             {std::pair("Differs from stock", changedByMod), std::pair("Only in mod", onlyInMod)}) {
            filters->setCurrentIndex(filters->findText(label));
            QVERIFY(filters->currentIndex() > 0);
            QCOMPARE(column(Column::Path), expected);
        }

        w<QComboBox>("cmbStockFilter")->setCurrentIndex(1);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(table(), Qt::Key_R, Qt::ControlModifier); // listed again
        QVERIFY(settled());
        QVERIFY2(form->statusText().startsWith(" Listed"), qPrintable(form->statusText()));
        QCOMPARE(column(Column::Path), changedByMod);
        select({"stereo_block.ogg"});
        QMenu *menu = tableMenu("stereo_block.ogg");
        QVERIFY(menu);
        menu->findChild<QAction *>("actTakeStock")->trigger();
        QCOMPARE(cell(0, Column::MaxDist), number(60));
        QVERIFY(tip(0, Column::MaxDist).isEmpty());
        press("btnApplyEdits");
        QVERIFY(settled());
        // Stopped and asked again, the dialog opens in the stock folder last compared with.
        press("btnStopComparing");
        const auto openedIn = driver::answerFileDialog({});
        press("btnCompare");
        QCOMPARE(QDir(*openedIn).canonicalPath(), stock);
        const SoundAttributes taken = attributesOf(path("stereo_block.ogg"));
        QCOMPARE(taken.gameType, changed.gameType);
        QCOMPARE(taken.baseValue, changed.baseValue);
        QCOMPARE(taken.minDist, changed.minDist);
        QCOMPARE(taken.maxDist, changed.maxDist);
        QCOMPARE(taken.maxAIDist, changed.maxAIDist);
    }
};

int main(int argc, char *argv[])
{
    kelvane::KelvaneApplication app(argc, argv);
    TestTableWorkbench test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_table_workbench.moc"
