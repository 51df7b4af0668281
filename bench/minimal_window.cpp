// The reference for start-up cost: the least a Qt Widgets program does to show a window.
// With --text-box the window holds one text box, the least a window that takes typed input
// pays: Qt measures the box's font as it makes it, so the font database is read before the
// window is shown.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.resize(712, 464);
    if (QApplication::arguments().contains(QStringLiteral("--text-box")))
        (new QLineEdit(&window))->setGeometry(8, 8, 189, 24);
    window.show();
    return QApplication::exec();
}
