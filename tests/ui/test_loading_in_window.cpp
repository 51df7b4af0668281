#include "form_fixture.h"
#include "kelvane_application.h"
#include "kelvane_window.h"
#include "sound_fixtures.h"
#include "window_driver.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvane;
using driver::find;

namespace {

// What the window shows after a load, in one value to compare.
struct Shown
{
    QStringList info;
    int infoIndex = -1;
    QString strip; // empty when hidden
    QString status;
    QStringList fields; // type, volume, minimum, maximum, AI distance
    bool apply = false;
    bool revert = false;
    bool copy = false;
    bool editable = false;
};

} // namespace

class TestLoadingInWindow : public QObject, FormFixture
{
    Q_OBJECT

    Shown shownAfterLoading(const QString &name)
    {
        if (!load(name))
            qWarning() << "no entry" << name;
        Shown shown;
        auto *info = w<QComboBox>("cmbInfo");
        for (int i = 0; i < info->count(); ++i)
            shown.info << info->itemText(i);
        shown.infoIndex = info->currentIndex();
        shown.strip = strip();
        shown.status = form->statusText();
        shown.fields << w<QComboBox>("cmbGameType")->currentText();
        for (const char *box : {"txtBaseValue", "txtMinDist", "txtMaxDist", "txtMaxAIDist"})
            shown.fields << w<QLineEdit>(box)->text();
        shown.apply = w<QPushButton>("btnApply")->isEnabled();
        shown.revert = w<QPushButton>("btnRevert")->isEnabled();
        shown.copy = w<QPushButton>("btnCopy")->isEnabled();
        shown.editable = w<QLineEdit>("txtBaseValue")->isEnabled();
        return shown;
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void soundWithBlock()
    {
        add("mono_block.ogg");
        const Shown shown = shownAfterLoading("mono_block.ogg");
        QCOMPARE(shown.info.size(), 9);
        QCOMPARE(shown.info.at(0), QString("Number of channels:  1 "));
        const QString size = QString::number(QFileInfo("mono_block.ogg").size());
        QCOMPARE(shown.info.at(6), "File size:                        " + size + " bytes");
        QCOMPARE(shown.info.at(7).mid(23, 8), shown.info.at(8).mid(23, 8));
        QCOMPARE(shown.infoIndex, 0);
        QCOMPARE(shown.strip, QString());
        QCOMPARE(shown.status, " Read " + size + " bytes. ");
        QCOMPARE(shown.fields, QStringList({"weapon_recharging", "1.0000000", "0.7000000",
                                            "20.0000000", "8.0000000"}));
        QVERIFY(!shown.apply && !shown.revert && shown.copy && shown.editable);
        QVERIFY(!form->dataChanged());
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("mono_block.ogg"));
    }

    void badChecksumArmsApply()
    {
        add("bad_checksum.ogg");
        const Shown shown = shownAfterLoading("bad_checksum.ogg");
        QCOMPARE(shown.strip, QString("File has a bad CRC checksum. Click Apply to fix."));
        QVERIFY(shown.info.at(7).mid(23, 8) != shown.info.at(8).mid(23, 8));
        QVERIFY(shown.apply && !shown.revert && shown.copy);
        QVERIFY(form->dataChanged());
        QCOMPARE(shown.fields.at(0), QString("world_ambient"));
    }

    void missingBlockIsInserted()
    {
        add("lacing_240.ogg");
        const Shown shown = shownAfterLoading("lacing_240.ogg");
        QCOMPARE(shown.strip,
                 QString("Comment block inserted.  Adjust values and click Apply to fix."));
        QCOMPARE(shown.info.size(), 11);
        QCOMPARE(shown.info.at(9), QString("  ** Inserted new segment lacing byte **"));
        const qint64 grown = QFileInfo("lacing_240.ogg").size() + 29;
        QCOMPARE(shown.info.at(10),
                 "New file size:                " + QString::number(grown) + " bytes (when saved)");
        QCOMPARE(shown.fields,
                 QStringList({"undefined", "1.0000000", "2.0000000", "100.0000000", "50.0000000"}));
        QVERIFY(shown.apply && shown.copy);
        QVERIFY(form->dataChanged());
    }

    // Larger than 10 MiB: shown from the headers, never armed, and typing arms nothing.
    void largeFileIsViewOnly()
    {
        QByteArray big = fixtures::readFile(fixtures::samplePath("bad_checksum.ogg"));
        big.resize(10'485'761);
        put("big.ogg", big);
        Shown shown = shownAfterLoading("big.ogg");
        QCOMPARE(shown.strip, QString("Large file, reading just headers."));
        QCOMPARE(shown.status, QString(" Read 10240 bytes. "));
        QCOMPARE(shown.info.at(6), QString("File size:                        10485761 bytes"));
        QVERIFY(!shown.apply && shown.copy);
        QTest::keyClicks(w<QLineEdit>("txtBaseValue"), "5");
        QVERIFY(!w<QPushButton>("btnApply")->isEnabled());
        QVERIFY(!form->dataChanged());

        QByteArray bigWithout = fixtures::readFile(fixtures::samplePath("no_comments.ogg"));
        bigWithout.resize(10'485'761);
        put("big2.ogg", bigWithout);
        shown = shownAfterLoading("big2.ogg");
        QCOMPARE(shown.strip, QString(" File size > 10485760 bytes; not a GSC sound - it cannot "
                                      "be viewed/edited."));
        QCOMPARE(shown.info.size(), 9);
        QCOMPARE(shown.infoIndex, -1);
        QCOMPARE(shown.status, QString(" Read 10240 bytes. "));
        QVERIFY(!shown.copy && !shown.editable);

        // Exactly 10 MiB is read whole.
        big.resize(10'485'760);
        put("edge.ogg", big);
        shown = shownAfterLoading("edge.ogg");
        QCOMPARE(shown.status, QString(" Read 10485760 bytes. "));
        QVERIFY(shown.apply);
    }

    // A refused file leaves the cleared display with its message and nothing to edit.
    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");
        const QByteArray good = fixtures::readFile(fixtures::samplePath("mono_block.ogg"));
        QTest::newRow("text") << QByteArray("TITLE=not a sound at all\n") << "Not an Ogg file."
                              << 0;
        QTest::newRow("empty") << QByteArray() << "Not a valid Ogg sound file; it ends too early."
                               << 0;
        QByteArray noSegments = good;
        noSegments[84] = 0;
        QTest::newRow("no segments")
            << noSegments << "Not a valid Ogg sound file; no comment page segments." << 0;
        QByteArray signature = good;
        signature[85 + 15] = char(0x9A);
        QTest::newRow("signature")
            << signature << " Invalid Ogg Vorbis comment header char: 0x9A" << 4;
        QTest::newRow("cut short")
            << good.left(150) << "Not a valid Ogg sound file; it ends too early." << 4;
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, lines);
        add("mono_block.ogg");
        QVERIFY(load("mono_block.ogg"));
        put("refused.ogg", bytes);
        const Shown shown = shownAfterLoading("refused.ogg");
        QCOMPARE(shown.strip, message);
        QCOMPARE(shown.info.size(), lines);
        QCOMPARE(shown.infoIndex, -1);
        QCOMPARE(shown.status, QString());
        QCOMPARE(shown.fields, QStringList({"", "", "", "", ""}));
        QVERIFY(!shown.apply && !shown.revert && !shown.copy && !shown.editable);
        QVERIFY(!w<QPushButton>("btnPaste")->isEnabled());
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("refused.ogg"));
    }

    // Every hostile file in the window: its message, and Apply never armed where saving would
    // be unsafe, whatever the user types.
    void hostileCatalogue_data() { fixtures::addHostileCatalogueRows(); }
    void hostileCatalogue()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, writable);
        QVERIFY(QFile::copy(fixtures::hostilePath(name), path(name)));
        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = fixtures::readFile(path(name));
        const Shown shown = shownAfterLoading(name);
        QCOMPARE(shown.strip, message);
        QVERIFY(!shown.apply || writable);
        if (!writable && shown.editable) {
            type("txtMaxDist", "123");
            QVERIFY(!enabled("btnApply"));
            press("btnApply");
        }
        if (!writable)
            QCOMPARE(fixtures::readFile(path(name)), before);
    }

    // Selecting a folder entry clears what the last file showed, its message included.
    void aFolderEntryClearsTheDisplay()
    {
        fixtures::writeFile(path("noise.ogg"), "not a sound");
        QVERIFY(QDir(folder).mkdir("sub"));
        QVERIFY(load("noise.ogg"));
        QCOMPARE(strip(), QString("Not an Ogg file."));
        QVERIFY(click("<dir>  sub"));
        QCOMPARE(strip(), QString());
        QCOMPARE(w<QLabel>("pnlFileName")->text(), QString("< No File Selected >"));
    }

    void fileGoneSinceListing()
    {
        add("mono_block.ogg");
        QTest::mouseClick(w<QPushButton>("btnSelectDirectory"), Qt::LeftButton,
                          Qt::ControlModifier);
        QVERIFY(QFile::remove(path("mono_block.ogg")));
        QVERIFY(click("mono_block.ogg"));
        QCOMPARE(strip(), QString("Could not open file for reading."));
        QVERIFY(!QFile::exists(path("mono_block.ogg")));
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestLoadingInWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_loading_in_window.moc"
