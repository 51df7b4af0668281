#pragma once

#include "kelvane_window.h"
#include "sound_fixtures.h"
#include "sound_reader.h"
#include "window_driver.h"
#include "window_language.h"

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The attributes a sound file holds now, as loading reads them.
inline kelvane::SoundAttributes attributesOf(const QString &path)
{
    return kelvane::loadSoundFile(path, path).inspection.fileAttrs;
}

// A window on a temporary folder of sample copies, with the actions a user takes.
class FormFixture
{
public:
    [[nodiscard]] bool open()
    {
        // As the program starts: in a language, English counting its plural forms.
        kelvane::useLanguage(kelvane::windowLanguage());
        dir = std::make_unique<QTemporaryDir>();
        folder = QDir(dir->path()).canonicalPath();
        QDir::setCurrent(folder);
        form = std::make_unique<kelvane::KelvaneWindow>(&launcher, &output);
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    void close()
    {
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        form.reset();
        dir.reset();
    }

    template<typename T>
    T *w(const char *name)
    {
        return driver::find<T>(form.get(), name);
    }
    QString path(const QString &name) const { return QDir(folder).filePath(name); }
    QString add(const QString &sample) { return fixtures::copySample(sample, folder); }
    void put(const QString &name, const QByteArray &bytes)
    {
        fixtures::writeFile(path(name), bytes);
    }

    // Relists the folder (Ctrl-click) and clicks the entry.
    bool load(const QString &name)
    {
        QTest::mouseClick(w<QPushButton>("btnSelectDirectory"), Qt::LeftButton,
                          Qt::ControlModifier);
        return driver::clickEntry(w<QListView>("lstFiles"), name);
    }
    bool click(const QString &name) { return driver::clickEntry(w<QListView>("lstFiles"), name); }
    // Replaces a box's text by typing, as a user does.
    void type(const char *box, const QString &text)
    {
        auto *edit = w<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void chooseType(int index)
    {
        auto *types = w<QComboBox>("cmbGameType");
        types->setFocus();
        while (types->currentIndex() < index)
            QTest::keyClick(types, Qt::Key_Down);
        while (types->currentIndex() > index)
            QTest::keyClick(types, Qt::Key_Up);
    }
    void press(const char *button, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(w<QPushButton>(button), Qt::LeftButton, modifiers);
    }
    bool enabled(const char *button) { return w<QPushButton>(button)->isEnabled(); }
    QString text(const char *box) { return w<QLineEdit>(box)->text(); }
    QString strip()
    {
        auto *label = w<QLabel>("pnlAttrStatus");
        return label->isVisible() ? label->text() : QString();
    }
    QString selectedEntry()
    {
        const QStringList items = driver::selectedEntries(w<QListView>("lstFiles"));
        return items.isEmpty() ? QString() : items.first();
    }

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
    driver::RecordingLauncher launcher;
    driver::RecordingOutput output;
    std::unique_ptr<kelvane::KelvaneWindow> form;
};
