#include "save_question.h"

#include <QCoreApplication>

namespace kelvane {

QMessageBox::StandardButton askSaveChanges(QWidget *parent, const QString &what)
{
    QMessageBox question(
        QMessageBox::NoIcon,
        QCoreApplication::translate("kelvane::KelvaneWindow", "The data has changed"),
        QCoreApplication::translate("kelvane::KelvaneWindow", "Save changes first?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    question.setObjectName(QStringLiteral("saveQuestion"));
    question.setWindowModality(Qt::ApplicationModal);
    question.setDefaultButton(QMessageBox::Yes);
    question.setInformativeText(what);
    return QMessageBox::StandardButton(question.exec());
}

} // namespace kelvane
