#include "era.h"
