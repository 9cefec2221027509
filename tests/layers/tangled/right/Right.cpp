#include "base/Base.h"
#include "Local.h"
