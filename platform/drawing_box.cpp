#include "drawing_box.h"
