#pragma once

#include <QApplication>

namespace kelvane {

// The program's application: its display name and tooltip timings, and a last resort that
// catches what escapes any event handler, shows it in the error display and goes on with the
// next event, so no failure in one handler ends the program.
class KelvaneApplication : public QApplication
{
    Q_OBJECT

public:
    KelvaneApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace kelvane
