// SPDX-License-Identifier: GPL-3.0-or-later
#include "left/Left.h"
#include "base/Other.h"
