#include "left/Left.h"
#include "base/Other.h"
