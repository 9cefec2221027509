// SPDX-License-Identifier: GPL-3.0-or-later
#include "right/Right.h"
#include <vector>
