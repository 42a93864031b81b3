#include "core/SeriesControl.h"
