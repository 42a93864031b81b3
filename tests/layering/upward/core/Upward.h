// A core file that reaches up into the shared drawing pieces.
#include "ui/DrawingResources.h"
