#include "date_picker.h"
