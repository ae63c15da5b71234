#include "text/now_millis.h"
