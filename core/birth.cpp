#include "birth.h"
