#pragma once

#include <QMessageBox>

namespace kelvane {

// "Save changes first?" with Yes, No and Cancel, as the window asks it before edits not yet
// written would be left: the single view's and the sound table's alike. `what` names what
// would be written (the sound), under the question.
[[nodiscard]] QMessageBox::StandardButton askSaveChanges(QWidget *parent, const QString &what = {});

} // namespace kelvane
