// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Base.h"
#include "Local.h"
