#include "text/gbk_scan.h"
