#include "right/Right.h"
#include <vector>
