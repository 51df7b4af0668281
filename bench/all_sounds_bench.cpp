// The sound table on a folder tree, driven through the real window: how long until every row is
// in, the longest time the interface thread went without returning to its event loop meanwhile
// (a precise 1 ms timer fires on every pass of the loop that finds it due), sorting by each
// column, and applying a field to many selected rows.
// Usage: all_sounds_bench scan FOLDER       prints "seconds gap_ms rows peak_kib"
//        all_sounds_bench sort FOLDER       prints "column ascending_ms descending_ms" per column
//        all_sounds_bench edit FOLDER N V   sets the volume V in the first N rows; prints
//                                         "seconds", then the paths it changed
//        all_sounds_bench compare FOLDER STOCK  compares the listed rows with STOCK; prints
//                                         "seconds gap_ms differing only_in_mod
//                                         listed_and_compared_seconds"
//        all_sounds_bench cells FOLDER N V  types V into the volume cell of the first of N
//                                         selected rows, undoes it, does it again and applies
//                                         it; prints "edit_ms undo_ms apply_seconds", then the
//                                         paths it changed
#include "kelvane_application.h"
#include "kelvane_window.h"
#include "sound_table_model.h"
#include "sound_table_panel.h"

#include <cstdio>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

namespace {

using kelvane::SoundTableModel;
using kelvane::SoundTablePanel;

// Runs the event loop until `done` holds, keeping the longest gap between passes of the loop.
double runUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (done())
            loop.quit();
    });
    tick.start(1);
    loop.exec();
    return double(longest) / 1e6;
}

// Milliseconds from `act` until the table has painted what it changed.
double shown(QTableView *table, const std::function<void()> &act)
{
    QElapsedTimer clock;
    clock.start();
    act();
    QApplication::processEvents();
    table->viewport()->repaint();
    return double(clock.nsecsElapsed()) / 1e6;
}

void selectFirst(QTableView *table, int count)
{
    table->selectionModel()->select(
        QItemSelection(table->model()->index(0, 0), table->model()->index(count - 1, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

long peakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    kelvane::KelvaneApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    kelvane::KelvaneWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    auto *button = form.findChild<QPushButton *>("btnOverview");
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    auto *panel = form.findChild<SoundTablePanel *>("pnlAllSounds");
    auto *table = form.findChild<QTableView *>("tblSounds");
    const double gap = runUntil([panel] { return !panel->busy(); });
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const int rows = table->model()->rowCount();

    if (mode == QLatin1String("scan")) {
        std::printf("%.4f %.2f %d %ld\n", seconds, gap, rows, peakKib());
        return 0;
    }
    if (mode == QLatin1String("sort")) {
        for (int column = 0; column < SoundTableModel::ColumnCount; ++column) {
            double ms[2] = {};
            for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                clock.restart();
                table->sortByColumn(column, order);
                ms[order == Qt::AscendingOrder ? 0 : 1] = double(clock.nsecsElapsed()) / 1e6;
            }
            std::printf("%d %.2f %.2f\n", column, ms[0], ms[1]);
        }
        return 0;
    }
    if (mode == QLatin1String("edit") && argc > 4) {
        const int count = std::min(rows, QString::fromLocal8Bit(argv[3]).toInt());
        selectFirst(table, count);
        auto *volume = form.findChild<QLineEdit *>("txtManyBaseValue");
        volume->setText(QString::fromLocal8Bit(argv[4]));
        clock.restart();
        QTest::mouseClick(form.findChild<QPushButton *>("btnApplyMany"), Qt::LeftButton);
        runUntil([panel] { return !panel->busy(); });
        std::printf("%.4f\n", double(clock.nsecsElapsed()) / 1e9);
        for (int row = 0; row < count; ++row)
            std::printf("%s\n", qPrintable(table->model()->index(row, 0).data().toString()));
        return 0;
    }
    if (mode == QLatin1String("compare") && argc > 3) {
        const QString stock = QString::fromLocal8Bit(argv[3]);
        // The folder chosen in the dialog; the clock starts as the dialog closes.
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            dialog->selectFile(stock);
            clock.restart();
            static_cast<QDialog *>(dialog)->accept();
        });
        QTest::mouseClick(form.findChild<QPushButton *>("btnCompare"), Qt::LeftButton);
        const double compareGap = runUntil([panel] { return !panel->busy(); });
        const double compared = double(clock.nsecsElapsed()) / 1e9;
        const auto counts = static_cast<SoundTableModel *>(table->model())->stockCounts();
        std::printf("%.4f %.2f %d %d %.4f\n", compared, std::max(gap, compareGap), counts.first,
                    counts.second, seconds + compared);
        return 0;
    }
    if (mode == QLatin1String("cells") && argc > 4) {
        const int count = std::min(rows, QString::fromLocal8Bit(argv[3]).toInt());
        selectFirst(table, count);
        const QModelIndex cell = table->model()->index(0, SoundTableModel::Volume);
        table->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
        table->edit(cell);
        auto *box = table->viewport()->findChild<QLineEdit *>();
        box->setText(QString::fromLocal8Bit(argv[4]));
        const double edit = shown(table, [&] { QTest::keyClick(box, Qt::Key_Return); });
        const double undo =
            shown(table, [&] { QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier); });
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        clock.restart();
        QTest::mouseClick(form.findChild<QPushButton *>("btnApplyEdits"), Qt::LeftButton);
        runUntil([panel] { return !panel->busy(); });
        std::printf("%.2f %.2f %.4f\n", edit, undo, double(clock.nsecsElapsed()) / 1e9);
        for (int row = 0; row < count; ++row)
            std::printf("%s\n", qPrintable(table->model()->index(row, 0).data().toString()));
        return 0;
    }
    return 2;
}
