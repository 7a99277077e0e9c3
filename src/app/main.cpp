#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX35P"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KVX35P V3.30.3"));
    window.show();
    return app.exec();
}
