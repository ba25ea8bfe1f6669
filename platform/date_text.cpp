#include "date_text.h"
