// The sound table's edits without a window: real sounds scanned into the model, cells typed
// through the model as the cell editor types them, the selection and the undo stack as the
// table holds them.
#include "sound_fixtures.h"
#include "sound_scan.h"
#include "sound_table_editor.h"
#include "sound_table_model.h"

#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace kelvane;

class TestSoundTableEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    SoundTableModel model_;
    QItemSelectionModel selection_{&model_};
    QUndoStack undo_;
    SoundTableEditor editor_{&model_, &selection_, &undo_};
    TableEditOutcome last_;

    int row(const char *name) const { return model_.shownRowOf(QString::fromLatin1(name)); }
    QModelIndex at(const char *name, int column) const { return model_.index(row(name), column); }
    std::optional<AttributeEdits> pending(const char *name) const
    {
        return model_.pendingOf(model_.idAt(row(name)));
    }
    void select(std::initializer_list<const char *> names)
    {
        selection_.clear();
        for (const char *name : names)
            selection_.select(at(name, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    bool type(const char *name, int column, const QString &text)
    {
        return model_.setData(at(name, column), text, Qt::EditRole);
    }

private slots:
    void initTestCase()
    {
        std::vector<ScannedSound> rows;
        for (const char *name : {"mono_block.ogg", "stereo_block.ogg", "no_comments.ogg"}) {
            fixtures::copySample(QString::fromLatin1(name), dir_.path());
            rows.push_back(scanSound(dir_.path(), QString::fromLatin1(name)));
        }
        fixtures::writeFile(dir_.filePath("broken.ogg"), "OggS but not a sound");
        rows.push_back(scanSound(dir_.path(), QStringLiteral("broken.ogg")));
        model_.add(std::move(rows));
        // The cell editor's text reaches the table's editor through the model.
        model_.onCellTyped([this](const QModelIndex &index, const QString &text) {
            last_ = editor_.typeCell(index, text);
            return last_.kind == TableEditOutcome::Kind::Done;
        });
    }
    void init()
    {
        model_.dropPending();
        undo_.clear();
        selection_.clear();
    }

    // On a selected row a cell sets its field in every selected row that can be written, in one
    // step to undo; on a row not selected, in that row alone.
    void aCellSetsItsFieldInTheSelectedRowsOrItsOwn()
    {
        select({"mono_block.ogg", "no_comments.ogg", "broken.ogg"});
        QVERIFY(type("mono_block.ogg", SoundTableModel::MaxAIDist, "0,05"));
        for (const char *name : {"mono_block.ogg", "no_comments.ogg"}) {
            QCOMPARE(pending(name)->maxAIDist, 0.05f);
            QVERIFY(!pending(name)->minDist && !pending(name)->gameType);
        }
        QVERIFY(!pending("broken.ogg") && !pending("stereo_block.ogg"));
        QCOMPARE(undo_.count(), 1);

        QVERIFY(type("stereo_block.ogg", SoundTableModel::Type, "item_pickup"));
        QCOMPARE(model_.pendingCount(), 3);
        QVERIFY(pending("stereo_block.ogg")->gameType && !pending("mono_block.ogg")->gameType);
        undo_.undo();
        undo_.undo();
        QCOMPARE(model_.pendingCount(), 0);
    }

    // A text that is no value, and a value a rule refuses on any row, change nothing.
    void refusedTextChangesNothing()
    {
        select({"mono_block.ogg", "stereo_block.ogg"});
        QVERIFY(!type("mono_block.ogg", SoundTableModel::Volume, "loud"));
        QCOMPARE(last_.kind, TableEditOutcome::Kind::NotANumber);
        QVERIFY(!type("mono_block.ogg", SoundTableModel::Type, "no such type"));
        QCOMPARE(last_.kind, TableEditOutcome::Kind::NotANumber);
        QVERIFY(!type("stereo_block.ogg", SoundTableModel::MaxDist, "0.1")); // below the minimum
        QCOMPARE(last_.kind, TableEditOutcome::Kind::Refused);
        QCOMPARE(last_.path, QString("mono_block.ogg"));
        QCOMPARE(model_.pendingCount(), 0);
        QCOMPARE(undo_.count(), 0);
        QVERIFY(!type("broken.ogg", SoundTableModel::MaxDist, "50")); // never written
    }

    // Typing back the value a sound holds drops that field's edit (-0 over 0 too), and the row's
    // edit with its last field; a value typed twice is one step.
    void theListedValueTypedBackDropsTheEdit()
    {
        const SoundAttributes listed = *model_.listed(model_.idAt(row("mono_block.ogg"))).attrs;
        QVERIFY(type("mono_block.ogg", SoundTableModel::MinDist, "3"));
        QVERIFY(type("mono_block.ogg", SoundTableModel::MinDist, "3.0"));
        QCOMPARE(undo_.count(), 1);
        QVERIFY(type("mono_block.ogg", SoundTableModel::Volume, "0,5"));
        QVERIFY(type("mono_block.ogg", SoundTableModel::MinDist, QString::number(listed.minDist)));
        QVERIFY(!pending("mono_block.ogg")->minDist && pending("mono_block.ogg")->volume);
        QVERIFY(type("mono_block.ogg", SoundTableModel::Volume,
                     QString::number(double(listed.baseValue))));
        QVERIFY(!pending("mono_block.ogg"));

        editor_.revertAll(QStringLiteral("Revert"));
        QVERIFY(type("stereo_block.ogg", SoundTableModel::MinDist, "2"));
        editor_.revertAll(QStringLiteral("Revert"));
        QCOMPARE(model_.pendingCount(), 0);
        undo_.undo();
        QCOMPARE(pending("stereo_block.ogg")->minDist, 2.0f);
    }
};

QTEST_GUILESS_MAIN(TestSoundTableEditor)
#include "test_sound_table_editor.moc"
