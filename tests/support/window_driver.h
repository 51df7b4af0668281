#pragma once

#include "desktop_launcher.h"
#include "sound_output.h"

#include <functional>
#include <memory>

class QFileDialog;

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractItemView;
class QModelIndex;

// Drives the real window from a test: finds controls by name, clicks list entries, and answers
// the modal boxes and file dialogs that the window opens.
namespace driver {

// Records what the window hands to the desktop instead of starting anything.
class RecordingLauncher final : public kelvane::DesktopLauncher
{
public:
    bool openFolder(const QString &path) override
    {
        folders << path;
        return true;
    }
    void openDocument(const QString &path, std::function<void()> failed) override
    {
        documents << path;
        if (documentsFail)
            failed();
    }
    QStringList folders;
    QStringList documents;
    bool documentsFail = false; // as on a desktop with no program for text files
};

// Plays nothing: records what the window asks of an audio output, and plays as long as the
// test lets it.
class RecordingOutput final : public kelvane::SoundOutput
{
public:
    bool play(std::shared_ptr<const kelvane::DecodedSound> sound, double volume) override
    {
        if (!available)
            return false;
        playing = std::move(sound);
        volumes << volume;
        return true;
    }
    void stop() override
    {
        playing.reset();
        ++stops;
    }
    [[nodiscard]] qint64 playingFrame() const override { return playing ? frame : -1; }

    bool available = true; // false: as a machine without a sound card
    std::shared_ptr<const kelvane::DecodedSound> playing;
    QList<double> volumes; // one for each start
    qint64 frame = 0;      // the frame "heard" now
    int stops = 0;
};

template<typename T>
T *find(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// The texts of a list's entries (of a table's first column), all of them or the selected ones.
QStringList entries(QAbstractItemView *list);
QStringList selectedEntries(QAbstractItemView *list);
// The first entry with exactly this text; invalid when there is none.
QModelIndex entryIndex(QAbstractItemView *list, const QString &text);
// Clicks (or double-clicks) the entry with this text, with optional modifiers.
bool clickEntry(QAbstractItemView *list, const QString &text, bool twice = false,
                Qt::KeyboardModifiers modifiers = {});
// Drops `files` on `view` as a file manager would; false when the view refuses them.
bool dropFiles(QAbstractItemView *view, const QStringList &files);

// What a message box showed, filled in when it was answered.
struct SeenBox
{
    bool seen = false;
    QString title;
    QString text;
    QString informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers the next message box that opens by clicking `button` (Escape when NoButton).
std::shared_ptr<SeenBox> answerMessageBox(QMessageBox::StandardButton button);

// Answers every message box that opens with `button` while the returned log is held and not
// stopped, keeping what each showed: for typing that may raise a box at any keystroke.
struct BoxLog
{
    QList<SeenBox> boxes;
    bool stop = false;
    QStringList texts() const;
};
std::shared_ptr<BoxLog> answerMessageBoxes(QMessageBox::StandardButton button);

// Answers the next file dialog: types `path` into its name field and confirms, or cancels
// when `path` is empty. Sets the returned directory to the dialog's folder when it opened.
std::shared_ptr<QString> answerFileDialog(const QString &path);

// Runs the event loop until it has been idle for a moment, as between a user's actions: the
// window's hint tracking runs whenever the loop waits for more events.
void idle(int milliseconds = 30);

// Hands the next file dialog that opens to `act` (which must close it).
void onFileDialog(std::function<void(QFileDialog *)> act);

// Hands the next dialog of any kind that opens to `act`, which may leave it open (a dialog
// that runs on its own).
void onDialog(std::function<void(QDialog *)> act);

// True when no modal box or dialog is open now.
bool noModalOpen();

} // namespace driver
