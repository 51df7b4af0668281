// Takes a picture of the window on a copy of samples/ with one sound loaded, as a user sees it.
// Usage: kelvane_screenshot OUTPUT.png [SOUND [BOX=TEXT
// [least|playing|all-sounds|restore|compare|range]]] (under a real X server, e.g. xvfb-run);
// "least" shows the window at its least size, "playing" the sound a third of the way through
// playing, "all-sounds" the sound table of a tree with the samples in sub-folders too, with some
// rows selected and a value typed into its editor, "restore" the screen with the file list's menu
// open on a sound with a backup, and beside it (OUTPUT-question.png) the question that restoring
// asks, "compare" the sound table beside a stock tree that holds other values for some sounds, with
// a value typed into a cell and the stock value's tip shown.
#include "kelvane_application.h"
#include "kelvane_window.h"
#include "range_view.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "sound_table_panel.h"
#include "sound_writer.h"
#include "waveform_view.h"
#include "window_driver.h"
#include "window_language.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

int main(int argc, char *argv[])
{
    kelvane::KelvaneApplication app(argc, argv);
    if (argc < 2)
        return 2;
    // KELVANE_LANGUAGE=ru shows the window in that language.
    kelvane::useLanguage(qEnvironmentVariable("KELVANE_LANGUAGE", QStringLiteral("en")));
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString sound = argc > 2 ? QString::fromLocal8Bit(argv[2]) : "mono_block.ogg";
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath("samples");
    QDir().mkpath(folder);
    for (const QString &name : QDir(fixtures::samplePath("")).entryList({"*.ogg"}))
        fixtures::copySample(name, folder);
    const QString how = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    const QString stock = QDir(dir.path()).filePath("stock");
    if (how == "compare") {
        for (const char *sub : {"weapons/ak74", "ambient"})
            for (const char *name : {"mono_block.ogg", "stereo_block.ogg", "no_comments.ogg"})
                for (const QString &root : {folder, stock}) {
                    QDir(root).mkpath(sub);
                    fixtures::copySample(name, QDir(root).filePath(sub));
                }
        fixtures::copySample("lacing_240.ogg", QDir(folder).filePath("weapons/ak74"));
        const auto change = [&](const QString &name, auto edit) {
            const QString path = QDir(stock).filePath(name);
            kelvane::LoadResult loaded = kelvane::loadSoundFile(path, path);
            kelvane::SoundAttributes attrs = loaded.inspection.fileAttrs;
            edit(attrs);
            (void)kelvane::saveSoundFile(*loaded.image, attrs,
                                         {path, path, kelvane::Backup::None, loaded.identity});
        };
        change("weapons/ak74/mono_block.ogg", [](auto &a) { a.maxDist = 40, a.baseValue = 0.8f; });
        change("ambient/stereo_block.ogg", [](auto &a) { a.minDist = 2; });
    }
    if (how == "all-sounds") {
        for (const char *sub : {"weapons/ak74", "ambient"}) {
            QDir(folder).mkpath(sub);
            for (const QString &name : QDir(fixtures::samplePath("")).entryList({"*.ogg"}))
                fixtures::copySample(name, QDir(folder).filePath(sub));
        }
    }
    QDir::setCurrent(folder);

    driver::RecordingLauncher launcher;
    driver::RecordingOutput sink;
    kelvane::KelvaneWindow form(&launcher, &sink);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    // The window as the screen shows it, with the menus, boxes and tips over it.
    const auto screen = [&form] {
        const QRect window = form.frameGeometry();
        return QGuiApplication::primaryScreen()->grabWindow(0, window.x(), window.y(),
                                                            window.width(), window.height());
    };
    driver::clickEntry(form.findChild<QListView *>("lstFiles"), sound);
    // Optionally a value typed into a box, as BOX=TEXT: "txtMaxDist=0.05".
    if (argc > 3) {
        const QStringList typed = QString::fromLocal8Bit(argv[3]).split('=');
        if (auto *box = form.findChild<QLineEdit *>(typed.value(0))) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, typed.value(1));
        }
    }
    if (how == "least")
        form.resize(form.minimumSizeHint());
    if (how == "playing") {
        auto *waveform = form.findChild<kelvane::WaveformView *>();
        if (!QTest::qWaitFor([waveform] { return waveform->hasSound(); }))
            return 1;
        QTest::mouseClick(form.findChild<QWidget *>("pnlFileName"), Qt::LeftButton);
        if (sink.playing)
            sink.frame = qint64(sink.playing->frames() / 3);
    }
    if (how == "all-sounds") {
        form.resize(1000, 560);
        form.showAllSounds(true);
        auto *table = form.findChild<QTableView *>("tblSounds");
        if (!QTest::qWaitFor([table] { return table->model()->rowCount() == 18; }))
            return 1;
        driver::clickEntry(table, "weapons/ak74/mono_block.ogg");
        driver::clickEntry(table, "weapons/ak74/stereo_block.ogg", false, Qt::ShiftModifier);
        auto *box = form.findChild<QLineEdit *>("txtManyMaxAIDist");
        box->setFocus();
        QTest::keyClicks(box, "8");
    }
    if (how == "range") {
        auto *toggle = form.findChild<QToolButton *>("btnRange");
        if (!QTest::qWaitFor([toggle] { return toggle->isVisible(); }))
            return 1;
        toggle->click();
        auto *range = form.findChild<kelvane::RangeView *>("imgRange");
        const QPoint listen(range->columnOf(12), range->height() / 2);
        QTest::mouseClick(range, Qt::LeftButton, {}, listen);
        const QPoint hover(range->columnOf(30), range->height() / 3);
        QToolTip::showText(range->mapToGlobal(hover), range->levelText(30), range);
        driver::idle(300);
        return screen().save(output) ? 0 : 1;
    }
    if (how == "compare") {
        form.resize(1000, 560);
        form.showAllSounds(true);
        auto *table = form.findChild<QTableView *>("tblSounds");
        auto *panel = form.findChild<kelvane::SoundTablePanel *>("pnlAllSounds");
        if (!QTest::qWaitFor([panel] { return !panel->busy(); }))
            return 1;
        driver::answerFileDialog(stock);
        QTest::mouseClick(form.findChild<QPushButton *>("btnCompare"), Qt::LeftButton);
        if (!QTest::qWaitFor([panel] { return !panel->busy(); }))
            return 1;
        // A volume typed into a cell: an edit not yet written, in bold.
        driver::clickEntry(table, "ambient/mono_block.ogg");
        const QModelIndex volume =
            driver::entryIndex(table, "ambient/mono_block.ogg").siblingAtColumn(2);
        table->setCurrentIndex(volume);
        for (const char key : {'0', '.', '9'})
            QTest::keyClick(form.focusWidget(), key);
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
        driver::idle(300);
        const QModelIndex differing =
            driver::entryIndex(table, "weapons/ak74/mono_block.ogg").siblingAtColumn(4);
        const QRect cell = table->visualRect(differing);
        QToolTip::showText(table->viewport()->mapToGlobal(cell.center()),
                           differing.data(Qt::ToolTipRole).toString(), table->viewport(), cell);
        driver::idle(300);
        return screen().save(output) ? 0 : 1;
    }
    if (how == "import") {
        // A 48 kHz stereo recording dropped on the file list: the dialog over the window, then
        // the window with the new sound loaded.
        const QString wav = fixtures::soxSource(
            dir.path(), "ak74_shot_new.wav", {"-r", "48000", "-c", "2", "-b", "24"},
            {"synth", "0.8", "pinknoise", "fade", "0", "0.8", "0.7"});
        auto *list = form.findChild<QListView *>("lstFiles");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(wav)});
        const QPoint at = list->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &enter);
        QTimer::singleShot(500, [&] {
            auto *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            auto *type = dialog->findChild<QComboBox *>("cmbGameType");
            type->setCurrentIndex(type->findText("weapon_shooting"));
            driver::idle(300);
            const QRect area = form.frameGeometry().united(dialog->frameGeometry());
            QGuiApplication::primaryScreen()
                ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                .save(output);
            dialog->findChild<QPushButton *>("btnStartImport")->click();
        });
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &drop);
        driver::idle(300);
        return form.grab().save(QString(output).replace(".png", "-made.png")) ? 0 : 1;
    }
    if (how == "restore") {
        // The sound's backup, the file list's menu open on it, then the question it asks: the
        // whole screen, as menus and message boxes are windows of their own.
        QFile::copy(sound, sound + ".bak");
        auto *list = form.findChild<QListView *>("lstFiles");
        list->setFocus();
        const QPoint at = list->visualRect(driver::entryIndex(list, sound)).center();
        QContextMenuEvent asked(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &asked);
        driver::idle(300);
        if (!screen().save(output))
            return 1;
        auto *menu = form.findChild<QMenu *>("mnuFiles");
        QTimer::singleShot(300, [&] {
            screen().save(QString(output).replace(".png", "-question.png"));
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->reject();
        });
        menu->actions().constFirst()->trigger();
        return 0;
    }
    driver::idle(300);
    return form.grab().save(output) ? 0 : 1;
}
