#include "shell/ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX35P"));
    QApplication::setOrganizationName(QStringLiteral("Telmarin"));
    // Secondary windows may be the only ones shown (the image list hides the main
    // window); the program ends when the main window shuts down.
    QApplication::setQuitOnLastWindowClosed(false);
    kvx::MainWindow window;
    window.startUp();
    return app.exec();
}
