#include "biorhythm.h"
