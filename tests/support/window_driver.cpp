#include "window_driver.h"

#include <functional>

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

QStringList entries(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

bool clickEntry(QListWidget *list, const QString &text, bool twice)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    list->scrollToItem(items.first());
    const QPoint at = list->visualItemRect(items.first()).center();
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    return true;
}

namespace {

void answer(QMessageBox *box, QMessageBox::StandardButton button, SeenBox &seen)
{
    seen.seen = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->standardButton(box->defaultButton());
    if (button == QMessageBox::NoButton)
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

std::shared_ptr<QString> answerFileDialog(const QString &path)
{
    auto folder = std::make_shared<QString>();
    whenModal<QFileDialog>([folder, path](QFileDialog *dialog) {
        *folder = dialog->directory().absolutePath();
        if (path.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->clear();
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    return folder;
}

void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool noModalOpen()
{
    return QApplication::activeModalWidget() == nullptr;
}

} // namespace driver
