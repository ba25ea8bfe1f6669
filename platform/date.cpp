#include "date.h"
