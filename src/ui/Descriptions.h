// SPDX-License-Identifier: GPL-3.0-or-later
// What each control of the main window does, in plain words and with its
// units, for those whom a terse caption ("SQR", "Hertz > mHz") would mislead.
// The desktop shows these as tooltips and hands them to assistive tools; the
// captions themselves stay as they are.
#pragma once

#include <span>
#include <string_view>

namespace varnock {

struct ControlDescription {
    int id;
    std::string_view text;
};

// One row per visible key, radio button, check box and box.
std::span<const ControlDescription> controlDescriptions();

// The description of a control, or an empty text for a control without one
// (frames, labels, the hidden controls).
std::string_view describeControl(int id);

}  // namespace varnock
