#include "mibrexw.h"
