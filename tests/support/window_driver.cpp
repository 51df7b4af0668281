#include "window_driver.h"

#include <functional>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace driver {

namespace {

// Polls for a modal widget of type T and hands it to `act`, for up to ten seconds.
template<typename T>
void whenModal(std::function<void(T *)> act, int triesLeft = 1000)
{
    QTimer::singleShot(10, [act, triesLeft] {
        if (auto *modal = qobject_cast<T *>(QApplication::activeModalWidget())) {
            if (modal->isVisible()) {
                act(modal);
                return;
            }
        }
        if (triesLeft > 0)
            whenModal<T>(act, triesLeft - 1);
        else
            qWarning("no modal dialog appeared");
    });
}

} // namespace

QStringList entries(QAbstractItemView *list)
{
    QStringList texts;
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

QStringList selectedEntries(QAbstractItemView *list)
{
    QStringList texts;
    for (const QModelIndex &index : list->selectionModel()->selectedRows())
        texts << index.data().toString();
    return texts;
}

QModelIndex entryIndex(QAbstractItemView *list, const QString &text)
{
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data().toString() == text)
            return index;
    }
    return {};
}

bool dropFiles(QAbstractItemView *view, const QStringList &files)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    mime.setUrls(urls);
    const QPoint at = view->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(view->viewport(), &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(view->viewport(), &dropped);
    return true;
}

bool clickEntry(QAbstractItemView *list, const QString &text, bool twice,
                Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = entryIndex(list, text);
    if (!index.isValid())
        return false;
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    // A double click is a click, then the second press that the system reports as double.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, at);
    if (twice) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, modifiers, at);
    }
    return true;
}

namespace {

void answer(QMessageBox *box, QMessageBox::StandardButton button, SeenBox &seen)
{
    seen.seen = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.informative = box->informativeText();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->standardButton(box->defaultButton());
    // A box without that button (a report with OK alone) is closed as Escape closes it.
    if (button == QMessageBox::NoButton || !box->button(button))
        QTest::keyClick(box, Qt::Key_Escape);
    else
        QTest::mouseClick(box->button(button), Qt::LeftButton);
}

// Polls while the test holds the log and has not stopped it.
void answerUntilStopped(const std::weak_ptr<BoxLog> &weak, QMessageBox::StandardButton button)
{
    QTimer::singleShot(5, [weak, button] {
        const auto log = weak.lock();
        if (!log || log->stop)
            return;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            SeenBox seen;
            answer(box, button, seen);
            log->boxes << seen;
        }
        answerUntilStopped(weak, button);
    });
}

} // namespace

std::shared_ptr<SeenBox> answerMessageBox(QMessageBox::StandardButton button)
{
    auto seen = std::make_shared<SeenBox>();
    whenModal<QMessageBox>([seen, button](QMessageBox *box) { answer(box, button, *seen); });
    return seen;
}

QStringList BoxLog::texts() const
{
    QStringList all;
    for (const SeenBox &box : boxes)
        all << box.text;
    return all;
}

std::shared_ptr<BoxLog> answerMessageBoxes(QMessageBox::StandardButton button)
{
    auto log = std::make_shared<BoxLog>();
    answerUntilStopped(log, button);
    return log;
}

namespace {

// One answer to a file dialog, followed tick by tick: the dialog lists its folder on a worker
// thread and may still change its name field (for the preset name) after it has opened, so the
// name is set only once the folder is listed, and set again if the dialog stays open. An
// overwrite question from the dialog is answered No.
struct FileDialogAnswer
{
    QString path;
    std::shared_ptr<QString> folder;
    QPointer<QFileDialog> dialog;
    int ticks = 0;
    bool done = false; // the dialog closed: a later opening of it is not ours
};

bool folderListed(QFileDialog *dialog)
{
    auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    return view && view->model()->rowCount(view->rootIndex()) > 0;
}

void tick(std::shared_ptr<FileDialogAnswer> answer)
{
    QTimer::singleShot(20, [answer] {
        if (answer->done)
            return;
        if (++answer->ticks > 1500)
            return qWarning("the file dialog was not answered");
        QWidget *modal = QApplication::activeModalWidget();
        if (!answer->dialog) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (dialog && dialog->isVisible()) {
                answer->dialog = dialog;
                QObject::connect(
                    dialog, &QDialog::finished, dialog, [answer] { answer->done = true; },
                    Qt::SingleShotConnection);
                *answer->folder = dialog->directory().absolutePath();
                answer->ticks = 0;
            }
            return tick(answer);
        }
        tick(answer); // the next look comes even while a click below runs a nested box
        if (auto *box = qobject_cast<QMessageBox *>(modal);
            box && box->parent() == answer->dialog) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        if (modal != answer->dialog)
            return;
        if (answer->path.isEmpty()) {
            QTest::keyClick(answer->dialog, Qt::Key_Escape);
            return;
        }
        if (!folderListed(answer->dialog) && answer->ticks < 100)
            return;
        answer->dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(answer->path);
        auto *buttons = answer->dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QPushButton *accept = buttons->button(QDialogButtonBox::Open);
        if (!accept)
            accept = buttons->button(QDialogButtonBox::Save);
        QTest::mouseClick(accept, Qt::LeftButton);
    });
}

} // namespace

std::shared_ptr<QString> answerFileDialog(const QString &path)
{
    auto answer = std::make_shared<FileDialogAnswer>();
    answer->path = path;
    answer->folder = std::make_shared<QString>();
    tick(answer);
    return answer->folder;
}

void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void onFileDialog(std::function<void(QFileDialog *)> act)
{
    whenModal<QFileDialog>(std::move(act));
}

void onDialog(std::function<void(QDialog *)> act)
{
    whenModal<QDialog>(std::move(act));
}

bool noModalOpen()
{
    return QApplication::activeModalWidget() == nullptr;
}

} // namespace driver
