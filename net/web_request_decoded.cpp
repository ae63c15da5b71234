#include "net/web_request_decoded.h"
