#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    velluno::MainWindow window(velluno::build_time_hosts());
    window.show();
    return application.exec();
}
