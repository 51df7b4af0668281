#pragma once

class QFileDialog;

namespace kelvane {

// Gives Qt's own file dialog room for its texts once it is shown: a size that holds a
// translated dialog's buttons and columns, and a side bar as wide as its longest place name
// ("Компьютер" would otherwise be cut). Call before each exec(); the user's own resizing of
// a dialog kept between uses stays.
void fitFileDialog(QFileDialog *dialog);

// Makes `dialog` Qt's own dialog choosing a folder, named `objectName`, fitted as above.
void makeFolderDialog(QFileDialog *dialog, const char *objectName);

} // namespace kelvane
