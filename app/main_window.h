#pragma once

#include "net/service_hosts.h"

#include <QWidget>

namespace velluno {

// The window that opens at start: the homepage query, the profile card, the
// song list and the play-count buttons.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const ServiceHosts& hosts, QWidget* parent = nullptr);

private:
    ServiceHosts m_hosts;
};

} // namespace velluno
