#include "app/program_windows.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <exception>

namespace {

// Every handler is expected to deal with its own failures; should one still let an
// exception out, the program says so and goes on instead of ending with the user's
// unsaved work.
class Application : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &e) {
            report(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            report(QStringLiteral("unknown error"));
        }
        return false;
    }

private:
    static void report(const QString &what)
    {
        qCritical("Unhandled error in an event handler: %s", qPrintable(what));
        QTimer::singleShot(0, [what] {
            QMessageBox::warning(nullptr, QApplication::applicationName(),
                                 QStringLiteral("Error has been detected.\n%1").arg(what));
        });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX35P"));
    QApplication::setOrganizationName(QStringLiteral("Telmarin"));
    // Secondary windows may be the only ones shown (the image list hides the main
    // window); the program ends when the main window shuts down.
    QApplication::setQuitOnLastWindowClosed(false);
    kvx::ProgramWindows windows;
    windows.mainWindow().startUp();
    return app.exec();
}
