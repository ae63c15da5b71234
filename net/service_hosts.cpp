#include "net/service_hosts.h"

namespace velluno {

ServiceHosts build_time_hosts() {
    return ServiceHosts{VELLUNO_CGI_HOST, VELLUNO_WEB_HOST};
}

} // namespace velluno
