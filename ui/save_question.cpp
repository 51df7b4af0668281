#include "save_question.h"

#include <QCoreApplication>

namespace kelvane {

QMessageBox::StandardButton askSaveChanges(QWidget *parent)
{
    QMessageBox question(
        QMessageBox::NoIcon,
        QCoreApplication::translate("kelvane::TKelvaneForm", "The data has changed"),
        QCoreApplication::translate("kelvane::TKelvaneForm", "Save changes first?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    question.setObjectName(QStringLiteral("saveQuestion"));
    question.setWindowModality(Qt::ApplicationModal);
    question.setDefaultButton(QMessageBox::Yes);
    return QMessageBox::StandardButton(question.exec());
}

} // namespace kelvane
