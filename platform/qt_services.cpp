#include "qt_services.h"
