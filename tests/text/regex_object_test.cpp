#include "text/regex_object.h"
