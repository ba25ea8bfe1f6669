#include "fake_services.h"
