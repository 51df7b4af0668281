// Help opens the text beside the executable; About names the program and credits its sources.
#include "desktop_launcher.h"
#include "error_display.h"
#include "kelvane_window.h"
#include "widget_making.h"
#include "window_language.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelvane {

namespace {

// The help in the window's language when there is one: Kelvane_Help.ru.txt, else English.
QString helpFileIn(const QString &folder)
{
    const QString language = windowLanguage();
    const QString translated =
        folder + QStringLiteral("Kelvane_Help.") + language + QStringLiteral(".txt");
    if (language != QLatin1String("en") && QFileInfo::exists(translated))
        return translated;
    return folder + QStringLiteral("Kelvane_Help.txt");
}

QString aboutText()
{
    const QString rule(34, QLatin1Char('_'));
    return QStringList{
        QStringLiteral("Ogg Vorbis Kelvane"),
        KelvaneWindow::tr("for S.T.A.L.K.E.R. SoC/CS/CoP"),
        QString(),
        KelvaneWindow::tr("Version %1").arg(QString::fromLatin1(kVersion)),
        QString(),
        QStringLiteral("Copyright (C) 2026"),
        KelvaneWindow::tr("The Kelvane developers"),
        rule,
        QString(),
        KelvaneWindow::tr("   Acknowledgements with great thanks:"),
        rule,
        QString(),
        KelvaneWindow::tr("    Page checksum routine:"),
        QStringLiteral("        RFC 3533, The Ogg Encapsulation Format"),
        KelvaneWindow::tr("        (the Ogg framing document)"),
        QString(),
        KelvaneWindow::tr("    File and comment structure:"),
        KelvaneWindow::tr("        Xiph.Org, Vorbis I (the codec's reference)"),
        QStringLiteral("        RFC 3533, The Ogg Encapsulation Format"),
        KelvaneWindow::tr("        The game modding community"),
    }
        .join(QLatin1Char('\n'));
}

} // namespace

void KelvaneWindow::btnHelpClick()
{
    const QString path = helpFileIn(programDir_);
    if (!QFileInfo::exists(path)) {
        setStatusText(tr(" Could not find %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    setStatusText(QLatin1Char(' ') + QDir::toNativeSeparators(path));
    launcher_->openDocument(path, [window = QPointer<KelvaneWindow>(this), path] {
        if (window)
            window->showHelpText(path);
    });
}

// When the desktop has nothing to open a text file with, the help is shown here.
void KelvaneWindow::showHelpText(const QString &path)
{
    if (!helpViewer_) {
        helpViewer_ = named(new QDialog(this), "dlgHelp");
        helpViewer_->setWindowTitle(tr("Help"));
        auto *text = named(new QTextBrowser(helpViewer_), "txtHelp");
        text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        text->setLineWrapMode(QTextEdit::NoWrap);
        auto *column = new QVBoxLayout(helpViewer_);
        column->addWidget(text);
        helpViewer_->resize(680, 560);
    }
    QFile file(path);
    const QString help = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                        : tr("Could not read %1").arg(path);
    helpViewer_->findChild<QTextBrowser *>()->setPlainText(help);
    helpViewer_->show();
    helpViewer_->raise();
    helpViewer_->activateWindow();
}

void KelvaneWindow::btnAboutClick()
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), aboutText(),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.exec();
}

} // namespace kelvane
