#include "biorythm.h"
