// Help opens the text beside the executable; About names the program and credits its sources.
#include "help_desk.h"

#include "desktop_launcher.h"
#include "error_display.h"
#include "widget_making.h"
#include "window_language.h"

#include <QCoreApplication>
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
        HelpDesk::tr("for S.T.A.L.K.E.R. SoC/CS/CoP"),
        QString(),
        HelpDesk::tr("Version %1").arg(QString::fromLatin1(kVersion)),
        QString(),
        QStringLiteral("Copyright (C) 2026"),
        HelpDesk::tr("The Kelvane developers"),
        rule,
        QString(),
        HelpDesk::tr("   Acknowledgements with great thanks:"),
        rule,
        QString(),
        HelpDesk::tr("    Page checksum routine:"),
        QStringLiteral("        RFC 3533, The Ogg Encapsulation Format"),
        HelpDesk::tr("        (the Ogg framing document)"),
        QString(),
        HelpDesk::tr("    File and comment structure:"),
        HelpDesk::tr("        Xiph.Org, Vorbis I (the codec's reference)"),
        QStringLiteral("        RFC 3533, The Ogg Encapsulation Format"),
        HelpDesk::tr("        The game modding community"),
    }
        .join(QLatin1Char('\n'));
}

} // namespace

HelpDesk::HelpDesk(QWidget *window, DesktopLauncher *launcher)
    : QObject(window)
    , window_(window)
    , launcher_(launcher)
    , programDir_(QCoreApplication::applicationDirPath() + QLatin1Char('/'))
{}

void HelpDesk::showHelp()
{
    const QString path = helpFileIn(programDir_);
    if (!QFileInfo::exists(path)) {
        Q_EMIT status(tr(" Could not find %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    Q_EMIT status(QLatin1Char(' ') + QDir::toNativeSeparators(path));
    launcher_->openDocument(path, [desk = QPointer<HelpDesk>(this), path] {
        if (desk)
            desk->showHelpText(path);
    });
}

// When the desktop has nothing to open a text file with, the help is shown here.
void HelpDesk::showHelpText(const QString &path)
{
    if (!helpViewer_) {
        helpViewer_ = named(new QDialog(window_), "dlgHelp");
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

void HelpDesk::showAbout()
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), aboutText(),
                    QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.exec();
}

} // namespace kelvane
