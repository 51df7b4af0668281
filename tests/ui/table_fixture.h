#pragma once

// Driving the sound table as a user does: opening it, waiting for its work, reading its cells,
// sorting, selecting, typing into the editor above it.
#include "form_fixture.h"
#include "number_text.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"
#include "sound_writer.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

using Column = kelvane::SoundTableModel::Column;

// Writes `attrs` into a sound, as the window's Apply does.
inline void setAttributes(const QString &path, const kelvane::SoundAttributes &attrs)
{
    kelvane::LoadResult loaded =
        kelvane::loadSoundFile(path, path, kelvane::MissingBlock::UpgradeOlder);
    QVERIFY(kelvane::saveSoundFile(*loaded.image, attrs,
                                   {path, path, kelvane::Backup::None, loaded.identity})
                .ok);
}

// What a save of `attrs` into a copy of `original` gives: the bytes a right edit must produce.
inline QByteArray savedAs(const QByteArray &original, const kelvane::SoundAttributes &attrs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("copy.ogg");
    fixtures::writeFile(path, original);
    setAttributes(path, attrs);
    return fixtures::readFile(path);
}

inline QString number(double value)
{
    return kelvane::shortestNumber(float(value), kelvane::userDecimalSeparator());
}

struct TableFixture : FormFixture
{
    QTableView *table() { return w<QTableView>("tblSounds"); }
    kelvane::SoundTablePanel *panel()
    {
        return form->findChild<kelvane::SoundTablePanel *>("pnlAllSounds");
    }
    [[nodiscard]] bool openOverview()
    {
        press("btnOverview");
        return panel() && QTest::qWaitFor([this] { return !panel()->busy(); }, 60'000);
    }
    [[nodiscard]] bool settled()
    {
        return QTest::qWaitFor([this] { return !panel()->busy(); }, 60'000);
    }
    QString cell(int row, int column)
    {
        return table()->model()->index(row, column).data().toString();
    }
    QString tip(int row, int column)
    {
        return table()->model()->index(row, column).data(Qt::ToolTipRole).toString();
    }
    // The paths with "/" between folders, as the tests name them on every system.
    QStringList column(int column)
    {
        QStringList texts;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            texts << (column == Column::Path ? QDir::fromNativeSeparators(cell(row, column))
                                             : cell(row, column));
        return texts;
    }
    int rowOf(const QString &path) { return int(column(Column::Path).indexOf(path)); }
    void sortBy(int column)
    {
        QHeaderView *header = table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + 5, header->height() / 2});
    }
    void select(const QStringList &paths)
    {
        for (qsizetype i = 0; i < paths.size(); ++i)
            QVERIFY(driver::clickEntry(table(), QDir::toNativeSeparators(paths[i]), false,
                                       i == 0 ? Qt::NoModifier : Qt::ControlModifier));
    }
    void typeMany(const char *box, const QString &text)
    {
        auto *edit = w<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString in(const QString &sub, const QString &sample)
    {
        QDir().mkpath(path(sub));
        return fixtures::copySample(sample, path(sub));
    }

    // The table's menu, opened on a row as a right click opens it.
    QMenu *tableMenu(const QString &path)
    {
        const QPoint at =
            table()
                ->visualRect(driver::entryIndex(table(), QDir::toNativeSeparators(path)))
                .center();
        QContextMenuEvent asked(QContextMenuEvent::Mouse, at, table()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table()->viewport(), &asked);
        auto *menu = w<QMenu>("mnuSounds");
        return QTest::qWaitFor([menu] { return menu->isVisible(); }) ? menu : nullptr;
    }
};
