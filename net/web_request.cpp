#include "net/web_request.h"
