// The window under a private X server, clicked through the window system (xdotool) as a user
// clicks it, and checked by what the server shows: synthetic events and a look at the models
// can hide a list that is not drawn as its selection says.
#include "table_fixture.h"

#include <csignal>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Xvfb on a display it picks itself; ended with the test.
class XServer
{
public:
    XServer()
    {
        int said[2];
        if (::pipe(said) != 0)
            return;
        pid_t child = ::fork();
        if (child == 0) {
            ::close(said[0]);
            const std::string fd = std::to_string(said[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(said[1]);
        pid_ = child;
        // The display's number, once the server is ready for clients.
        char number[16]{};
        const ssize_t got = child > 0 ? ::read(said[0], number, sizeof number - 1) : -1;
        // Kept open: the server may say its number again, and must not fail on a closed pipe.
        said_ = said[0];
        if (got > 0)
            display_ = QByteArray(":") + QByteArray(number, int(got)).trimmed();
    }
    ~XServer()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        if (said_ >= 0)
            ::close(said_);
    }
    [[nodiscard]] const QByteArray &display() const { return display_; }

private:
    pid_t pid_ = -1;
    int said_ = -1;
    QByteArray display_;
};

// A real click of the left button at a point of the screen, sent while the program waits in
// whatever event loop it is in.
void clickOnScreen(QPoint at)
{
    QProcess::startDetached("xdotool", {"mousemove", "--sync", QString::number(at.x()),
                                        QString::number(at.y()), "click", "1"});
}

// Real input at a point of the screen, as xdotool words it, waited for.
void actOnScreen(QPoint at, const QStringList &what)
{
    QProcess::execute("xdotool", QStringList{"mousemove", "--sync", QString::number(at.x()),
                                             QString::number(at.y())} +
                                     what);
}

} // namespace

class TestRealClicks : public QObject, TableFixture
{
    Q_OBJECT

    // The colour the X server shows in the middle of a row's free right end.
    QColor shownColour(QListView *list, const QString &entry)
    {
        const QRect row = list->visualRect(driver::entryIndex(list, entry));
        const QPoint at = list->viewport()->mapToGlobal(QPoint(row.right() - 4, row.center().y()));
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, at.x(), at.y(), 1, 1)
            .toImage()
            .pixelColor(0, 0);
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    // Load a.ogg, change a box, click b.ogg and answer Cancel to "Save changes first?": a.ogg
    // stays loaded, and it is a.ogg's row that the screen shows selected, not b.ogg's.
    void cancelLeavesTheLoadedSoundShownSelected()
    {
        add("mono_block.ogg");
        QVERIFY(QFile::copy(path("mono_block.ogg"), path("other.ogg")));
        QVERIFY(load("mono_block.ogg"));
        type("txtMaxDist", "50");
        auto *list = w<QListView>("lstFiles");
        driver::idle(300); // drawn on the server
        const QColor unselected = shownColour(list, "other.ogg");
        const QColor selected = shownColour(list, "mono_block.ogg");
        QVERIFY(selected != unselected);

        // The question is answered by a real click on its Cancel button.
        bool asked = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || asked || !box->isVisible())
                return;
            asked = true;
            QAbstractButton *cancel = box->button(QMessageBox::Cancel);
            clickOnScreen(cancel->mapToGlobal(cancel->rect().center()));
        });
        answer.start(50);
        const QRect other = list->visualRect(driver::entryIndex(list, "other.ogg"));
        clickOnScreen(list->viewport()->mapToGlobal(other.center()));
        QVERIFY(QTest::qWaitFor([&] { return asked && driver::noModalOpen(); }, 20'000));
        driver::idle(300);

        QCOMPARE(selectedEntry(), QString("mono_block.ogg"));
        QCOMPARE(text("txtMaxDist"), QString("50"));
        QCOMPARE(shownColour(list, "other.ogg"), unselected);
        QCOMPARE(shownColour(list, "mono_block.ogg"), selected);
    }

    // Two rows selected with real clicks (the second with Ctrl), then a real double-click on
    // one's maximum and a value typed: both rows take it.
    void aRealDoubleClickEditsEverySelectedRow()
    {
        add("mono_block.ogg");
        add("stereo_block.ogg");
        QVERIFY(openOverview());
        driver::idle(300);
        const auto cellAt = [this](const QString &path, int column) {
            const QModelIndex index = table()->model()->index(rowOf(path), column);
            return table()->viewport()->mapToGlobal(table()->visualRect(index).center());
        };
        actOnScreen(cellAt("mono_block.ogg", Column::Path), {"click", "1"});
        actOnScreen(cellAt("stereo_block.ogg", Column::Path),
                    {"keydown", "ctrl", "click", "1", "keyup", "ctrl"});
        driver::idle(600); // past the double-click interval
        actOnScreen(cellAt("mono_block.ogg", Column::MaxDist), {"click", "--repeat", "2", "1"});
        QVERIFY(QTest::qWaitFor([this] { return qobject_cast<QLineEdit *>(form->focusWidget()); }));
        QProcess::execute("xdotool", {"key", "ctrl+a", "type", "400"});
        QProcess::execute("xdotool", {"key", "Return"});
        QVERIFY(QTest::qWaitFor([this] { return form->focusWidget() == table(); }));
        QCOMPARE(cell(rowOf("mono_block.ogg"), Column::MaxDist), number(400));
        QCOMPARE(cell(rowOf("stereo_block.ogg"), Column::MaxDist), number(400));

        // Undo and redo by their real keys, as X11's bindings have them: the redo keys are
        // one shortcut each, never the same key twice (which Qt calls ambiguous and ignores).
        QProcess::execute("xdotool", {"key", "ctrl+z"});
        QTRY_COMPARE(cell(rowOf("mono_block.ogg"), Column::MaxDist), number(20));
        QProcess::execute("xdotool", {"key", "ctrl+shift+z"});
        QTRY_COMPARE(cell(rowOf("mono_block.ogg"), Column::MaxDist), number(400));
    }
};

int main(int argc, char **argv)
{
    const XServer server;
    if (server.display().isEmpty()) {
        std::fputs("Xvfb could not be started\n", stderr);
        return 1;
    }
    qputenv("DISPLAY", server.display());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestRealClicks test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_real_clicks.moc"
