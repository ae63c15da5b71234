#include "app/main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setWindowIcon(QIcon(QStringLiteral(":/velluno/velluno.svg")));
    velluno::MainWindow window(velluno::build_time_hosts());
    // The info window may still be open: closing the main window ends the program anyway.
    QObject::connect(&window, &velluno::MainWindow::closed, &application, &QCoreApplication::quit);
    window.show();
    return application.exec();
}
