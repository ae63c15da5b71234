#include "text/json_path.h"
