#include "fonts.h"
