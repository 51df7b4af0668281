// Help opens the text beside the executable; About names the program and credits its sources.
#include "desktop_launcher.h"
#include "error_display.h"
#include "kelvane_form.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace kelvane {

namespace {

const QString kHelpFileName = QStringLiteral("Kelvane_Help.txt");

QString aboutText()
{
    const QString rule(34, QLatin1Char('_'));
    return QStringList{
        QStringLiteral("Ogg Vorbis Kelvane"),
        QStringLiteral("for S.T.A.L.K.E.R. SoC/CS/CoP"),
        QString(),
        QStringLiteral("Version ") + QString::fromLatin1(kVersion),
        QString(),
        QStringLiteral("Copyright (C) 2026"),
        QStringLiteral("The Kelvane developers"),
        rule,
        QString(),
        QStringLiteral("   Acknowledgements with great thanks:"),
        rule,
        QString(),
        QStringLiteral("    Page checksum routine:"),
        QStringLiteral("        RFC 3533, The Ogg Encapsulation Format"),
        QStringLiteral("        (the Ogg framing document)"),
        QString(),
        QStringLiteral("    File and comment structure:"),
        QStringLiteral("        Xiph.Org, Vorbis I (the codec's reference)"),
        QStringLiteral("        RFC 3533, The Ogg Encapsulation Format"),
        QStringLiteral("        The game modding community"),
    }
        .join(QLatin1Char('\n'));
}

} // namespace

void TKelvaneForm::btnHelpClick()
{
    const QString path = programDir_ + kHelpFileName;
    if (!QFileInfo::exists(path)) {
        setStatusText(QStringLiteral(" Could not find ") + path);
        return;
    }
    setStatusText(QLatin1Char(' ') + path);
    launcher_->openDocument(path);
}

void TKelvaneForm::btnAboutClick()
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), aboutText(),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.exec();
}

} // namespace kelvane
