#include "net/service_endpoints.h"
