#include "eliding_label.h"
#include "form_fixture.h"
#include "kelvane_application.h"
#include "window_language.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QSplitter>
#include <QToolTip>

using namespace kelvane;

namespace {

// Named widgets shown in `parent` or below it, each inside its parent and none over a named
// sibling.
QStringList overlapsAndCuts(const QWidget *parent)
{
    QStringList faults;
    QList<const QWidget *> named;
    for (const QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->objectName().startsWith("qt_"))
            continue;
        faults << overlapsAndCuts(child);
        if (child->objectName().isEmpty())
            continue;
        if (!parent->rect().contains(child->geometry()))
            faults << child->objectName() + " cut off";
        for (const QWidget *other : named)
            if (other->geometry().intersects(child->geometry()))
                faults << child->objectName() + " over " + other->objectName();
        named << child;
    }
    return faults;
}

// Texts drawn narrower than they need: buttons, check boxes and labels that neither wrap nor
// end a long text with "…".
QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || qobject_cast<const ElidingLabel *>(w))
            continue;
        const auto *label = qobject_cast<const QLabel *>(w);
        if (label && label->wordWrap())
            continue;
        if ((label || qobject_cast<const QAbstractButton *>(w)) &&
            w->sizeHint().width() > w->width())
            cut << w->objectName();
    }
    return cut;
}

} // namespace

class TestWindowSizes : public QObject, FormFixture
{
    Q_OBJECT

    QString tooltipOver(const QString &entry)
    {
        auto *list = w<QListView>("lstFiles");
        const QRect row = list->visualRect(driver::entryIndex(list, entry));
        QHelpEvent help(QEvent::ToolTip, row.center(), list->viewport()->mapToGlobal(row.center()));
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return "a tooltip that never goes";
        QCoreApplication::sendEvent(list->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    // However long a message, a name or a folder, the window keeps its width and its least
    // size; the whole text is still there to read.
    void noMessageWidensTheWindow()
    {
        form->resize(712, 464);
        driver::idle();
        const QSize least = form->minimumSizeHint();
        const auto unchanged = [&] {
            driver::idle();
            return form->width() == 712 && form->minimumSizeHint() == least;
        };
        QByteArray big = fixtures::readFile(fixtures::samplePath("bad_checksum.ogg"));
        big.resize(10'485'761);
        put("big.ogg", big);
        QVERIFY(load("big.ogg"));
        QVERIFY(unchanged());

        const QString longName = QString(200, 'n') + ".ogg";
        QVERIFY(QFile::copy(fixtures::samplePath("mono_block.ogg"), path(longName)));
        QVERIFY(load(longName));
        QCOMPARE(w<QLabel>("pnlFileName")->text(), longName);
        type("txtMinDist", "1.5");
        fixtures::writeFile(path(longName),
                            fixtures::readFile(fixtures::samplePath("bad_checksum.ogg")));
        press("btnApply");
        QVERIFY(strip().startsWith(" " + longName + " changed on disk"));
        QVERIFY(unchanged());
        const auto question = driver::answerMessageBox(QMessageBox::No);

        const QString deep = path(QString(200, 'd'));
        QVERIFY(QDir().mkpath(deep));
        const auto dialog = driver::answerFileDialog(deep + "/Folder Selection.");
        QTest::mouseClick(w<QPushButton>("btnSelectDirectory"), Qt::LeftButton);
        QTRY_VERIFY(question->seen);
        QTRY_VERIFY(driver::noModalOpen());
        QCOMPARE(QDir::fromNativeSeparators(w<QLabel>("pnlCurrentDir")->text()), deep + "/");
        QVERIFY(unchanged());
    }

    void nothingOverlapsAtTheLeastSize_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : windowLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // At its least size, in every language, with a warning and a strip shown, nothing overlaps
    // or is cut off, and no text is cut but in the strips that end theirs with "…".
    void nothingOverlapsAtTheLeastSize()
    {
        QFETCH(QString, language);
        useLanguage(language);
        close();
        QVERIFY(open());
        useLanguage("en");
        add("bad_checksum.ogg");
        QVERIFY(load("bad_checksum.ogg"));
        type("txtMaxDist", "0");
        QVERIFY(!strip().isEmpty());
        form->resize(form->minimumSizeHint());
        driver::idle();
        QCOMPARE(form->size(), form->minimumSizeHint());
        QVERIFY(w<QLabel>("pnlGameWarnings")->isVisible());
        QCOMPARE(overlapsAndCuts(form.get()), QStringList());
        QCOMPARE(cutTexts(form.get()), QStringList());
        form->resize(712, 464);
        driver::idle();
        QCOMPARE(overlapsAndCuts(form.get()), QStringList());
    }

    // Warnings never hide the waveform: with two of them and the strip shown, both show, at
    // the window's first size and at its least.
    void theWaveformStaysBesideTheWarnings()
    {
        add("bad_checksum.ogg");
        QVERIFY(load("bad_checksum.ogg"));
        auto *waveform = w<QWidget>("imgWaveform");
        QVERIFY(QTest::qWaitFor([waveform] { return waveform->isVisible(); }));
        type("txtMaxDist", "0");
        type("txtMaxAIDist", "0");
        QVERIFY(!strip().isEmpty());
        for (const QSize size : {QSize(712, 464), form->minimumSizeHint()}) {
            form->resize(size);
            driver::idle();
            QVERIFY(w<QLabel>("pnlGameWarnings")->isVisible());
            QVERIFY(waveform->isVisible());
            QCOMPARE(overlapsAndCuts(form.get()), QStringList());
        }
    }

    // Each text in the face laid out for it, the combos' lists in their combo's.
    void textsHaveTheirFaces()
    {
        const QList<std::tuple<const char *, int, bool>> faces{
            {"btnSelectDirectory", 10, false}, {"btnApply", 10, true},
            {"pnlCurrentDir", 8, false},       {"lstFiles", 10, false},
            {"pnlFileName", 10, true},         {"lblInfo", 10, false},
            {"cmbGameType", 10, false},        {"txtMaxAIDist", 10, false},
            {"lblDuration", 8, false},         {"imgWaveform", 8, false},
            {"pnlGameWarnings", 8, true},      {"sbStatusText", 8, false}};
        for (const auto &[name, points, bold] : faces) {
            const QFont font = w<QWidget>(name)->font();
            QVERIFY2(font.pointSize() == points && font.bold() == bold, name);
        }
        auto *types = w<QComboBox>("cmbGameType");
        types->showPopup();
        QCOMPARE(types->view()->font(), types->font());
        types->hidePopup();
    }

    // The list keeps its width when the window grows, the splitter widens it, and an entry
    // the list cuts off shows its whole name as a tooltip.
    void theFileListIsWidenedByItsSplitter()
    {
        const QString longName = QString(60, 'l') + ".ogg";
        add("mono_block.ogg");
        QVERIFY(QFile::copy(fixtures::samplePath("mono_block.ogg"), path(longName)));
        QVERIFY(load("mono_block.ogg"));
        auto *list = w<QFrame>("pnlFileList");
        form->resize(1000, 600);
        driver::idle();
        QCOMPARE(list->width(), 245);
        QCOMPARE(tooltipOver(longName), longName);
        QCOMPARE(tooltipOver("mono_block.ogg"), QString());

        auto *splitter = w<QSplitter>("splFileList");
        QWidget *handle = splitter->handle(1);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip + QPoint(200, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(200, 0));
        driver::idle();
        QCOMPARE(list->width(), 445);
        QCOMPARE(tooltipOver(longName), QString());
        form->resize(1100, 600);
        driver::idle();
        QCOMPARE(list->width(), 445);
    }
};

int main(int argc, char *argv[])
{
    KelvaneApplication app(argc, argv);
    TestWindowSizes test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_sizes.moc"
