#include "../cli/cli_run.h"
#include "game_sound_types.h"
#include "kelvane_application.h"
#include "number_text.h"
#include "ogg_judge.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"
#include "sound_writer.h"
#include "table_fixture.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QTableView>

#include <unistd.h>

using namespace kelvane;

class TestAllSounds : public QObject, TableFixture
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

#ifdef Q_OS_LINUX // symbolic links to folders
    // The rows of a tree with sub-folders say what `kelvane-cli show -r --json` says of each
    // sound; hidden entries are left out, a link to a folder is followed, and a link to a
    // folder listed already (here: one inside the tree, and one back up) is a row that says so.
    void listsTheTreeAsTheCommandLineShowsIt()
    {
        add("mono_block.ogg");
        add("bad_checksum.ogg");
        add("no_comments.ogg");
        put(".hidden.ogg", fixtures::readFile(fixtures::samplePath("mono_block.ogg")));
        in(".cache", "mono_block.ogg");
        in("weapons", "stereo_block.ogg");
        in("weapons/deep", "text_comment.ogg");
        put("weapons/deep/broken.ogg", "OggS but not a sound");
        QVERIFY(QFile::link(path("weapons/deep"), path("linked")));
        QVERIFY(QFile::link(folder, path("weapons/deep/up")));
        in(".elsewhere", "mono_block.ogg"); // hidden, but reached through a link
        QVERIFY(QFile::link(path(".elsewhere"), path("weapons/outside")));
        QVERIFY(openOverview());

        const Run shown = cli({"show", "-r", "--json", "."}, folder);
        QStringList records = shown.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(records.size(), 6);
        // The command line does not enter links to folders; the sound table does, once a folder.
        const QStringList extra{"weapons/outside/mono_block.ogg", "linked", "weapons/deep/up"};
        QCOMPARE(table()->model()->rowCount(), records.size() + extra.size());
        for (const QString &record : records) {
            const QJsonObject json = QJsonDocument::fromJson(record.toUtf8()).object();
            const QString file = json["file"].toString().mid(2); // less "./"
            const int row = rowOf(file);
            QVERIFY2(row >= 0, qPrintable(file));
            const QJsonObject block = json["block"].toObject();
            const QString outcome = json["outcome"].toString();
            const QMap<QString, QString> states{{"clean", "ok"},
                                                {"badChecksum", "bad checksum"},
                                                {"noBlock", "no block"},
                                                {"refused", "refused"}};
            QCOMPARE(cell(row, Column::State), states.value(outcome));
            QCOMPARE(cell(row, Column::Type), block["gameTypeName"].toString());
            QCOMPARE(cell(row, Column::Volume),
                     block.isEmpty() ? QString() : number(block["baseValue"].toDouble()));
            QCOMPARE(cell(row, Column::MinDist),
                     block.isEmpty() ? QString() : number(block["minDist"].toDouble()));
            QCOMPARE(cell(row, Column::MaxDist),
                     block.isEmpty() ? QString() : number(block["maxDist"].toDouble()));
            QCOMPARE(cell(row, Column::MaxAIDist),
                     block.isEmpty() ? QString() : number(block["maxAIDist"].toDouble()));
            QCOMPARE(cell(row, Column::Rate), json["sampleRate"].isNull()
                                                  ? QString()
                                                  : QString::number(json["sampleRate"].toInt()));
            QCOMPARE(cell(row, Column::Channels), json["channels"].isNull()
                                                      ? QString()
                                                      : QString::number(json["channels"].toInt()));
            QCOMPARE(cell(row, Column::Length).isEmpty(), json["durationSeconds"].isNull());
        }
        for (const QString &file : extra)
            QVERIFY2(rowOf(file) >= 0, qPrintable(file));
        QCOMPARE(cell(rowOf("weapons/deep/up"), Column::State), QString("refused"));
        QVERIFY(tip(rowOf("weapons/deep/up"), Column::State).contains("listed already"));
        QCOMPARE(cell(rowOf("linked"), Column::State), QString("refused"));
        // The game's warnings are the state's tooltip, with a mark.
        QVERIFY(tip(rowOf("weapons/stereo_block.ogg"), Column::State).contains("2 channels"));
        QVERIFY(!table()
                     ->model()
                     ->index(rowOf("weapons/stereo_block.ogg"), Column::State)
                     .data(Qt::DecorationRole)
                     .isNull());
        QVERIFY(table()
                    ->model()
                    ->index(rowOf("mono_block.ogg"), Column::State)
                    .data(Qt::DecorationRole)
                    .isNull());
    }
#endif

    // Numbers sort as numbers, rows that arrive into a sorted table take their place, the filter
    // keeps the paths holding its text, and "warnings only" the rows with a warning.
    void sortsNumbersAsNumbersAndFilters()
    {
        SoundAttributes five = attributesOf(add("mono_block.ogg"));
        five.maxDist = 5.0f;
        setAttributes(in("a", "mono_block.ogg"), five); // 5 sorts before 20 only as a number
        in("b", "stereo_block.ogg");                    // 300
        add("no_comments.ogg");                         // no value: last
        QVERIFY(openOverview());
        sortBy(Column::MaxDist);
        const QStringList ascending{"a/mono_block.ogg", "mono_block.ogg", "b/stereo_block.ogg",
                                    "no_comments.ogg"};
        QCOMPARE(column(Column::Path), ascending);
        sortBy(Column::MaxDist);
        QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier); // listed again, sorted
        QVERIFY(panel()->busy());
        QVERIFY(settled());
        QCOMPARE(column(Column::Path), QStringList({"no_comments.ogg", "b/stereo_block.ogg",
                                                    "mono_block.ogg", "a/mono_block.ogg"}));

        QTest::keyClicks(w<QLineEdit>("txtFilter"), "MONO");
        QCOMPARE(column(Column::Path), QStringList({"mono_block.ogg", "a/mono_block.ogg"}));
        QCOMPARE(w<QLabel>("lblSoundCount")->text(), QString("2 of 4 sounds"));
        w<QLineEdit>("txtFilter")->clear();
        QTest::mouseClick(w<QCheckBox>("cbxWarningsOnly"), Qt::LeftButton);
        // a/mono_block.ogg, cut at 5 m: NPCs hear it farther, and it is loud where it stops.
        QCOMPARE(column(Column::Path),
                 QStringList({"no_comments.ogg", "b/stereo_block.ogg", "a/mono_block.ogg"}));

        // A value the game stops on: its own state, in red, its reason in a column, and a
        // filter of its own.
        five.minDist = 0.0f;
        five.maxDist = 0.05f;
        setAttributes(in("c", "mono_block.ogg"), five);
        QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(settled());
        QTest::mouseClick(w<QCheckBox>("cbxStopsGameOnly"), Qt::LeftButton);
        QCOMPARE(column(Column::Path), QStringList({"c/mono_block.ogg"}));
        QCOMPARE(cell(0, Column::State), QString("stops the game"));
        QVERIFY(cell(0, Column::Warnings).startsWith("maximum distance below 0.1"));
        QCOMPARE(table()->model()->index(0, Column::Path).data(Qt::ForegroundRole),
                 QVariant(QColor(0xB0, 0x00, 0x20)));
        // The cell holding that value is marked, as the single view marks its box.
        const auto marked = [&](int row, int column) {
            return table()->model()->index(row, column).data(Qt::DecorationRole).isValid();
        };
        QVERIFY(marked(0, Column::MaxDist) && !marked(0, Column::MaxAIDist));
        select({"c/mono_block.ogg"});
        QVERIFY2(form->statusText().startsWith(" " + QDir::toNativeSeparators("c/mono_block.ogg") +
                                               ": maximum distance below 0.1"),
                 qPrintable(form->statusText()));
        QTest::mouseClick(w<QCheckBox>("cbxStopsGameOnly"), Qt::LeftButton);
        const int stereo = rowOf("b/stereo_block.ogg");
        QCOMPARE(cell(stereo, Column::State), QString("ok"));
        QVERIFY(cell(stereo, Column::Warnings).startsWith("2 channels"));
        QVERIFY(!table()->model()->index(stereo, Column::Path).data(Qt::ForegroundRole).isValid());
        QVERIFY(!marked(stereo, Column::MaxDist));
    }

    // Rows that come later, or come again with new values, take their place in the sorted
    // order, and a selected row stays selected.
    void laterRowsTakeTheirPlaceInTheOrder()
    {
        SoundTableModel model;
        QItemSelectionModel selection(&model);
        const auto rows = [](std::initializer_list<std::pair<const char *, float>> made) {
            std::vector<ScannedSound> list;
            for (const auto &[name, max] : made) {
                ScannedSound &row = list.emplace_back();
                row.path = name;
                row.attrs = SoundAttributes{3, 1.0f, max, 1.0f, 0, 1.0f};
            }
            return list;
        };
        const auto order = [&] {
            QStringList paths;
            for (int row = 0; row < model.rowCount(); ++row)
                paths << QDir::fromNativeSeparators(
                    model.index(row, Column::Path).data().toString());
            return paths;
        };
        model.sort(Column::MaxDist, Qt::AscendingOrder);
        model.add(rows({{"b", 20}, {"d", 40}}));
        selection.select(model.index(1, 0), QItemSelectionModel::Select);
        model.add(rows({{"e", 50}, {"a", 10}, {"c", 30}}));
        QCOMPARE(order(), QStringList({"a", "b", "c", "d", "e"}));
        model.add(rows({{"a", 45}}));
        QCOMPARE(order(), QStringList({"b", "c", "d", "a", "e"}));
        QCOMPARE(selection.selectedIndexes().value(0).row(), 2); // "d" still
        model.sort(Column::Path, Qt::DescendingOrder);
        QCOMPARE(order(), QStringList({"e", "d", "c", "b", "a"}));
        QCOMPARE(selection.selectedIndexes().value(0).row(), 1);
    }

    // Each number column sorts by its own value, as a number: four columns, four orders.
    void eachNumberColumnSortsByItsOwnValue_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("volume") << int(Column::Volume) << QStringList{"b", "c", "a"};
        QTest::newRow("minimum") << int(Column::MinDist) << QStringList{"a", "c", "b"};
        QTest::newRow("maximum") << int(Column::MaxDist) << QStringList{"c", "a", "b"};
        QTest::newRow("AI") << int(Column::MaxAIDist) << QStringList{"a", "b", "c"}; // 12 > 7
    }
    void eachNumberColumnSortsByItsOwnValue()
    {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        SoundTableModel model;
        std::vector<ScannedSound> rows(3);
        rows[0].path = "a";
        rows[0].attrs = SoundAttributes{3, 1.0f, 20.0f, 0.3f, 0, 5.0f};
        rows[1].path = "b";
        rows[1].attrs = SoundAttributes{3, 3.0f, 30.0f, 0.1f, 0, 7.0f};
        rows[2].path = "c";
        rows[2].attrs = SoundAttributes{3, 2.0f, 10.0f, 0.2f, 0, 12.0f};
        model.add(std::move(rows));
        model.sort(column, Qt::AscendingOrder);
        QStringList order;
        for (int row = 0; row < model.rowCount(); ++row)
            order << QDir::fromNativeSeparators(model.index(row, Column::Path).data().toString());
        QCOMPARE(order, ascending);
    }

    // The warnings column sorts by its text, for rows that come after the sort and rows
    // replaced by a write as well.
    void theWarningsColumnSortsByItsText()
    {
        const auto row = [](const char *path, MessageKind kind) {
            ScannedSound sound;
            sound.path = path;
            if (kind != MessageKind::None)
                sound.warnings.push_back(Message(kind, {"2", "3"}));
            return sound;
        };
        const auto order = [](const SoundTableModel &model) {
            QStringList paths;
            for (int i = 0; i < model.rowCount(); ++i)
                paths << QDir::fromNativeSeparators(model.index(i, Column::Path).data().toString());
            return paths;
        };
        SoundTableModel model;
        model.sort(Column::Warnings, Qt::AscendingOrder);
        model.add({row("a", MessageKind::WarnSampleRate), row("b", MessageKind::WarnChannels),
                   row("c", MessageKind::None)});
        QCOMPARE(order(model), QStringList({"c", "b", "a"})); // "", "2 channels", "sample rate"
        model.add({row("b", MessageKind::WarnUnlistedType)}); // "type code"
        QCOMPARE(order(model), QStringList({"c", "a", "b"}));
    }

    // The filter takes the command line's --name patterns as well as plain text.
    void theFilterTakesPatterns()
    {
        SoundTableModel model;
        std::vector<ScannedSound> rows(2);
        rows[0].path = "weapons/ak74/Reload_01.ogg";
        rows[1].path = "ambient/wind.ogg";
        model.add(std::move(rows));
        model.setFilter("*reload*", false, false);
        QCOMPARE(model.rowCount(), 1);
        model.setFilter("ambient/w?nd.*", false, false);
        QCOMPARE(QDir::fromNativeSeparators(model.index(0, Column::Path).data().toString()),
                 QString("ambient/wind.ogg"));
        model.setFilter("WIND", false, false);
        QCOMPARE(model.rowCount(), 1);
    }

    // Only the fields filled in change, in the selected sounds only; each keeps its own other
    // values, byte for byte, and its row shows what was written.
    void setsOnlyTheFilledInFieldsOfTheSelected()
    {
        const QStringList names{"mono_block.ogg", "stereo_block.ogg", "bad_checksum.ogg",
                                "no_comments.ogg"};
        QMap<QString, QByteArray> before;
        for (const QString &name : names)
            before[name] = fixtures::readFile(add(name));
        QVERIFY(openOverview());
        select({"mono_block.ogg", "stereo_block.ogg"});
        typeMany("txtManyMaxAIDist", "12");
        typeMany("txtManyBaseValue", "0.5");
        press("btnApplyMany");
        QVERIFY(settled());
        QCOMPARE(form->statusText(), QString(" Wrote 2 sounds, 0 unchanged, 0 not written."));
        for (const QString &name : {names[0], names[1]}) {
            SoundAttributes expected = attributesOf(path(name + ".bak"));
            expected.maxAIDist = 12.0f;
            expected.baseValue = 0.5f;
            const QByteArray now = fixtures::readFile(path(name));
            QCOMPARE(now, savedAs(before[name], expected));
            QVERIFY(judgeOgg(now).valid);
            QCOMPARE(fixtures::readFile(path(name + ".bak")), before[name]);
            QCOMPARE(cell(rowOf(name), Column::MaxAIDist), number(12));
            QCOMPARE(cell(rowOf(name), Column::Volume), number(0.5));
        }
        QCOMPARE(fixtures::readFile(path(names[2])), before[names[2]]);
        QCOMPARE(fixtures::readFile(path(names[3])), before[names[3]]);
        QCOMPARE(cell(rowOf("stereo_block.ogg"), Column::MaxDist), number(300));
    }

    // Each field alone, the sound type among them, is written into every selected sound as
    // given, and nothing else: the bytes are what saving those values gives.
    void eachFieldIsWrittenAsGiven_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::newRow("type") << "cmbManyType"
                              << "weapon_shooting";
        QTest::newRow("volume") << "txtManyBaseValue"
                                << "0.25";
        QTest::newRow("minimum") << "txtManyMinDist"
                                 << "2.5";
        QTest::newRow("maximum") << "txtManyMaxDist"
                                 << "75";
        QTest::newRow("AI") << "txtManyMaxAIDist"
                            << "33";
    }
    void eachFieldIsWrittenAsGiven()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QMap<QString, QByteArray> before;
        for (const QString name : {"mono_block.ogg", "bad_checksum.ogg"})
            before[name] = fixtures::readFile(add(name));
        QVERIFY(openOverview());
        select(before.keys());
        if (box == "cmbManyType") {
            auto *types = w<QComboBox>("cmbManyType");
            types->setFocus();
            QTest::keyClicks(types, value); // chosen by typing its name, as a user may
            QCOMPARE(types->currentText(), value);
        } else {
            typeMany(qPrintable(box), value);
        }
        press("btnApplyMany");
        QVERIFY(settled());
        for (auto file = before.cbegin(); file != before.cend(); ++file) {
            SoundAttributes expected = attributesOf(path(file.key() + ".bak"));
            if (box == "cmbManyType") {
                const auto type = std::find_if(
                    GameSoundTypes.begin(), GameSoundTypes.end(), [&](const GameSoundType &t) {
                        return QString::fromLatin1(t.name.data(), qsizetype(t.name.size())) ==
                               value;
                    });
                expected.gameType = type->code;
            } else {
                float &field = box == "txtManyBaseValue" ? expected.baseValue
                               : box == "txtManyMinDist" ? expected.minDist
                               : box == "txtManyMaxDist" ? expected.maxDist
                                                         : expected.maxAIDist;
                field = value.toFloat();
            }
            QCOMPARE(fixtures::readFile(path(file.key())), savedAs(file.value(), expected));
        }
    }

    // The table's menu puts back the backups of the selected rows, keeps each edited sound as
    // .newer and lists the tree again; a selected sound without a backup is left as it is. Then
    // it removes the .newer files of the selected, and nothing else.
    void restoresTheBackupsOfTheSelected()
    {
        QMap<QString, QByteArray> before;
        for (const QString name : {"mono_block.ogg", "stereo_block.ogg", "bad_checksum.ogg"}) {
            before[name] = fixtures::readFile(add(name));
            fixtures::writeFile(path(name + ".bak"), before[name]);
            SoundAttributes edited = attributesOf(path(name));
            edited.baseValue = 0.25f;
            setAttributes(path(name), edited);
        }
        QFile::remove(path("bad_checksum.ogg.bak"));
        const QByteArray noBackup = fixtures::readFile(path("bad_checksum.ogg"));
        fixtures::writeFile(path("other.ogg.newer"), "beside no sound");
        QVERIFY(openOverview());
        select({"mono_block.ogg", "stereo_block.ogg", "bad_checksum.ogg"});
        const QPoint at =
            table()->visualRect(driver::entryIndex(table(), "mono_block.ogg")).center();
        QContextMenuEvent asked(QContextMenuEvent::Mouse, at, table()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table()->viewport(), &asked);
        auto *menu = w<QMenu>("mnuSounds");
        QTRY_VERIFY(menu->isVisible());
        QAction *action = menu->findChild<QAction *>("actRestoreSelected");
        // Every box is answered, so that one more than the question fails instead of waiting.
        const auto boxes = driver::answerMessageBoxes(QMessageBox::Yes);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!boxes->boxes.isEmpty());
        QVERIFY(settled());
        boxes->stop = true;
        QCOMPARE(boxes->boxes.size(), 1);
        for (const QString name : {"mono_block.ogg", "stereo_block.ogg"}) {
            QCOMPARE(fixtures::readFile(path(name)), before[name]);
            QCOMPARE(attributesOf(path(name + ".newer")).baseValue, 0.25f);
            QCOMPARE(cell(rowOf(name), Column::Volume), number(1));
        }
        QCOMPARE(fixtures::readFile(path("bad_checksum.ogg")), noBackup);
        QCOMPARE(form->statusText(), QString(" Restored 2; 1 without a backup; 0 not restored."));

        select({"mono_block.ogg", "stereo_block.ogg", "bad_checksum.ogg"});
        QApplication::sendEvent(table()->viewport(), &asked);
        QTRY_VERIFY(menu->isVisible());
        const auto yes = driver::answerMessageBoxes(QMessageBox::Yes);
        action = menu->findChild<QAction *>("actRemoveBackups");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_COMPARE(form->statusText(), QString(" Removed 2 backup files; 0 not removed."));
        yes->stop = true;
        QCOMPARE(yes->boxes.size(), 1);
        // The question counts the files that go, and names the backup with no sound, which stays.
        QCOMPARE(yes->boxes[0].text, QString("Remove 2 .bak and .newer files beside the selected "
                                             "sounds?"));
        QVERIFY2(yes->boxes[0].informative.contains("1 backup file of this folder tree"),
                 qPrintable(yes->boxes[0].informative));
        for (const QString name : {"mono_block.ogg", "stereo_block.ogg"}) {
            QVERIFY(!QFile::exists(path(name + ".newer")));
            QCOMPARE(fixtures::readFile(path(name)), before[name]);
        }
        QVERIFY(QFile::exists(path("other.ogg.newer")));
    }

    // A sound replaced on disk after it was listed is not written, and its row says why.
    void aSoundChangedSinceListedIsNotWritten()
    {
        add("mono_block.ogg");
        const QString changed = add("stereo_block.ogg");
        QVERIFY(openOverview());
        select({"mono_block.ogg", "stereo_block.ogg"});
        const QByteArray other = fixtures::readFile(fixtures::samplePath("bad_checksum.ogg"));
        QFile::remove(changed);
        fixtures::writeFile(changed, other);
        typeMany("txtManyMaxAIDist", "12");
        press("btnApplyMany");
        QVERIFY(settled());
        QCOMPARE(fixtures::readFile(changed), other);
        QCOMPARE(attributesOf(path("mono_block.ogg")).maxAIDist, 12.0f);
        QVERIFY(tip(rowOf("stereo_block.ogg"), Column::State)
                    .contains("changed on disk since it was listed"));
        QCOMPARE(form->statusText(),
                 QString(" Wrote 1 sound, 0 unchanged, 1 not written. Their rows say why."));
    }

    // Cancel stops a listing at once, and a write between files: every sound is then either as
    // it was or wholly new, and nothing is left behind.
    void cancelsMidScanAndMidWrite()
    {
        const QByteArray sound = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        for (int i = 0; i < 1500; ++i) {
            QDir().mkpath(path(QString::number(i % 3)));
            put(QString("%1/s%2.ogg").arg(i % 3).arg(i), sound);
        }
        press("btnOverview");
        press("btnCancelWork");
        QVERIFY(settled());
        QVERIFY(table()->model()->rowCount() < 1500);
        QVERIFY(form->statusText().startsWith(" Listing cancelled"));

        QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(settled());
        QCOMPARE(table()->model()->rowCount(), 1500);
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_A, Qt::ControlModifier);
        typeMany("txtManyMaxAIDist", "12");
        press("btnApplyMany");
        // The first slice is flushed to the disk before its sounds count as done.
        QVERIFY(
            QTest::qWaitFor([this] { return w<QProgressBar>("prgWork")->value() > 0; }, 60'000));
        press("btnCancelWork");
        QVERIFY(settled());
        int written = 0;
        for (int i = 0; i < 1500; ++i) {
            const QString file = path(QString("%1/s%2.ogg").arg(i % 3).arg(i));
            const QByteArray now = fixtures::readFile(file);
            if (now == sound)
                continue;
            QVERIFY(judgeOgg(now).valid);
            QCOMPARE(attributesOf(file).maxAIDist, 12.0f);
            ++written;
        }
        QVERIFY2(form->statusText().startsWith(QString(" Wrote %1 sounds").arg(written)),
                 qPrintable(form->statusText()));
        QVERIFY(written < 1500);
        for (const char *sub : {"0", "1", "2"})
            for (const QString &name : QDir(path(sub)).entryList(QDir::Files | QDir::Hidden))
                QVERIFY2(name.endsWith(".ogg") || name.endsWith(".ogg.bak"), qPrintable(name));
    }

    // Double-click or Enter on a row shows that sound in the single-file view, in its folder.
    void opensARowInTheSingleFileView()
    {
        add("mono_block.ogg");
        in("weapons", "stereo_block.ogg");
        QVERIFY(openOverview());
        QVERIFY(driver::clickEntry(table(), QDir::toNativeSeparators("weapons/stereo_block.ogg"),
                                   true));
        QVERIFY(!w<QPushButton>("btnOverview")->isChecked());
        QVERIFY(w<QListView>("lstFiles")->isVisible());
        QCOMPARE(QDir::fromNativeSeparators(w<QLabel>("pnlCurrentDir")->text()),
                 path("weapons") + "/");
        QCOMPARE(selectedEntry(), QString("stereo_block.ogg"));
        QCOMPARE(text("txtMaxAIDist"), QString("55.0000000"));

        QVERIFY(form->listFolder(folder));
        QVERIFY(openOverview());
        QVERIFY(driver::clickEntry(table(), "mono_block.ogg"));
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(selectedEntry(), QString("mono_block.ogg"));
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("mono_block.ogg"));
    }

    // The path column is as wide as the longest path, when the table has the room.
    void thePathColumnFitsThePaths()
    {
        const QString longer = "weapons/pistols/walther/walther_shot_silenced_far.ogg";
        in("weapons/pistols/walther", "mono_block.ogg");
        QVERIFY(QFile::rename(path("weapons/pistols/walther/mono_block.ogg"), path(longer)));
        form->resize(1400, 700);
        QVERIFY(openOverview());
        QVERIFY(table()->horizontalHeader()->sectionSize(Column::Path) >=
                table()->fontMetrics().horizontalAdvance(longer));
    }

    // Back from a sound opened in the table, the table shows the same tree, filter, sort,
    // selection and current row; from another folder, that folder's tree.
    void comingBackKeepsTheView()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        in("weapons", "stereo_block.ogg");
        in("weapons", "mono_block.ogg");
        QVERIFY(openOverview());
        w<QLineEdit>("txtFilter")->setText("*block*");
        sortBy(Column::Volume);
        select({"mono_block.ogg", "weapons/stereo_block.ogg"});
        const QStringList order = column(Column::Path);
        QTest::keyClick(table(), Qt::Key_Return);              // opens the current row, in weapons/
        QTest::keyClick(w<QListView>("lstFiles"), Qt::Key_Up); // another sound, same folder
        QVERIFY(openOverview());
        QCOMPARE(column(Column::Path), order);
        // The folder line names the tree the table lists, not the sub-folder left.
        QCOMPARE(QDir::fromNativeSeparators(w<QLabel>("pnlCurrentDir")->text()),
                 QDir(folder).canonicalPath() + "/");
        QCOMPARE(table()->model()->index(table()->currentIndex().row(), 0).data().toString(),
                 QDir::toNativeSeparators("weapons/stereo_block.ogg"));
        QStringList selected;
        for (const QModelIndex &index : table()->selectionModel()->selectedRows())
            selected << QDir::fromNativeSeparators(index.data().toString());
        selected.sort();
        QCOMPARE(selected, QStringList({"mono_block.ogg", "weapons/stereo_block.ogg"}));

        QVERIFY(driver::clickEntry(table(), "mono_block.ogg", true));
        QVERIFY(form->listFolder(path("weapons")));
        press("btnOverview"); // the tree of the folder listed now: it was left
        QVERIFY(settled());
        QCOMPARE(column(Column::Path), QStringList({"mono_block.ogg", "stereo_block.ogg"}));
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestAllSounds test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_all_sounds.moc"
