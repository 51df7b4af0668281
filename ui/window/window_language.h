#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The languages the window speaks: English, and the translations it carries.
[[nodiscard]] QStringList windowLanguages();

// `asked` when it is one of them; without one, the first of the user's languages that is one
// (the system locale's list, most wanted first), else English.
[[nodiscard]] QString chooseLanguage(const QString &asked = {});

// Speaks `language` from now on: the window's own translation and Qt's (its dialogs and
// buttons) are installed in the application, the previous ones removed.
void useLanguage(const QString &language);
[[nodiscard]] QString windowLanguage();

} // namespace kelvane
