#pragma once

#include <QApplication>
#include <QString>

namespace kelvane {

inline constexpr const char *kApplicationTitle = "Kelvane 1.0";

// The message as the error display shows it: a "." is added when the last character's code is
// above that of "." (a letter, a digit, "?"), not after ".", "!" or ")".
[[nodiscard]] QString withFinalPeriod(const QString &message);

// The standard error display: a modal box with a stop icon, OK and the application title.
void showErrorDisplay(const QString &message);

// Catches what escapes any event handler, shows it in the error display and goes on with the
// next event, so no failure in one handler ends the program.
class KelvaneApplication : public QApplication
{
    Q_OBJECT

public:
    KelvaneApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace kelvane
