// The reference for start-up cost: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.resize(712, 464);
    window.show();
    return QApplication::exec();
}
