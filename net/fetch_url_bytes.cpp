#include "net/fetch_url_bytes.h"
