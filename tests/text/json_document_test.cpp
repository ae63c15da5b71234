#include "text/json_document.h"
