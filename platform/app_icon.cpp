#include "app_icon.h"
