#include "app/Modulo1.h"
