// From clicking a sound in the window's list to its waveform drawn, and the longest time the
// interface thread went without returning to its event loop meanwhile (a precise 1 ms timer
// fires on every pass of the loop that finds it due; the gap between two firings is how long
// the window was deaf, to the millisecond, without the meter itself keeping a core busy).
// Usage: waveform_bench FOLDER SOUND OTHER RUNS. Prints one line per run: "drawn_ms gap_ms".
// Each run first selects OTHER, so that every selection of SOUND loads and decodes it anew.
#include "kelvane_window.h"
#include "waveform_view.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QTest>
#include <QTimer>

namespace {

using kelvane::WaveformView;

class Selection : public QObject
{
public:
    Selection(QListView *list, WaveformView *waveform)
        : list_(list)
        , waveform_(waveform)
    {
        waveform_->installEventFilter(this);
        tick_.setTimerType(Qt::PreciseTimer);
        connect(&tick_, &QTimer::timeout, this, &Selection::ticked);
    }

    // Clicks `name` from inside the event loop and runs the loop until its waveform is drawn.
    // Returns the milliseconds to drawn and the longest gap between passes of the loop.
    std::pair<double, double> select(const QString &name)
    {
        drawn_ = false;
        longestGap_ = 0;
        QEventLoop loop;
        done_ = &loop;
        QTimer::singleShot(0, this, [this, name] {
            clock_.start();
            lastTick_ = 0;
            tick_.start(1);
            const QModelIndexList found = list_->model()->match(
                list_->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
            const QRect rect = list_->visualRect(found.value(0));
            QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rect.center());
        });
        loop.exec();
        return {double(drawnAt_) / 1e6, double(longestGap_) / 1e6};
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && waveform_->hasSound())
            drawn_ = true; // counted once the paint is over, at the next pass of the loop
        return false;
    }

private:
    void ticked()
    {
        const qint64 now = clock_.nsecsElapsed();
        longestGap_ = std::max(longestGap_, now - lastTick_);
        lastTick_ = now;
        if (drawn_) {
            drawnAt_ = now;
            tick_.stop();
            done_->quit();
        }
    }

    QListView *list_;
    WaveformView *waveform_;
    QTimer tick_;
    QElapsedTimer clock_;
    QEventLoop *done_ = nullptr;
    qint64 lastTick_ = 0;
    qint64 longestGap_ = 0;
    qint64 drawnAt_ = 0;
    bool drawn_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: waveform_bench FOLDER SOUND OTHER RUNS\n");
        return 2;
    }
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    kelvane::KelvaneWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    Selection selection(form.findChild<QListView *>("lstFiles"),
                        form.findChild<WaveformView *>("imgWaveform"));
    const QString sound = QString::fromLocal8Bit(argv[2]);
    const QString other = QString::fromLocal8Bit(argv[3]);
    for (int run = 0; run < std::atoi(argv[4]); ++run) {
        selection.select(other);
        const auto [drawn, gap] = selection.select(sound);
        std::printf("%.2f %.2f\n", drawn, gap);
        std::fflush(stdout);
    }
    return 0;
}
