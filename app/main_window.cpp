#include "app/main_window.h"

namespace velluno {

namespace {
constexpr auto kCaption = "Velluno";
}

MainWindow::MainWindow(const ServiceHosts& hosts, QWidget* parent)
    : QWidget(parent), m_hosts(hosts) {
    setWindowTitle(QString::fromUtf8(kCaption));
}

} // namespace velluno
