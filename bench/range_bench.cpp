// The range picture following the boxes: a sound loaded in the real window, its range shown,
// then keystrokes into the maximum distance box, each timed from the key to the picture painted
// again with the new value. Usage: range_bench FOLDER SOUND EDITS; prints one time in
// milliseconds per keystroke.
#include "kelvane_application.h"
#include "kelvane_window.h"
#include "range_view.h"

#include <cstdio>

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QToolButton>

int main(int argc, char *argv[])
{
    kelvane::KelvaneApplication app(argc, argv);
    if (argc < 4)
        return 2;
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    kelvane::KelvaneWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    auto *list = form.findChild<QListView *>("lstFiles");
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                       QString::fromLocal8Bit(argv[2]));
    if (found.isEmpty())
        return 1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found[0]).center());
    auto *toggle = form.findChild<QToolButton *>("btnRange");
    if (!QTest::qWaitFor([toggle] { return toggle->isVisible(); }))
        return 1;
    toggle->click();
    auto *range = form.findChild<kelvane::RangeView *>("imgRange");
    auto *box = form.findChild<QLineEdit *>("txtMaxDist");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("20"));
    const int edits = QString::fromLocal8Bit(argv[3]).toInt();
    QElapsedTimer clock;
    for (int i = 0; i < edits; ++i) {
        // A digit typed, then taken back: the maximum goes from 20 to 20x and back.
        const bool typing = i % 2 == 0;
        clock.start();
        QTest::keyClick(box, typing ? Qt::Key_5 : Qt::Key_Backspace);
        range->repaint();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (range->values()->maxDist != (typing ? 205.0f : 20.0f))
            return 1;
        std::printf("%.3f\n", ms);
    }
    return 0;
}
