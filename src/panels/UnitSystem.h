// SPDX-License-Identifier: GPL-3.0-or-later
// The two unit systems of the radio path and antenna panels: metres with
// kilometres (or centimetres), or feet with miles (or inches).
#pragma once

namespace varnock {

enum class UnitSystem { kMetric, kStandard };

constexpr UnitSystem unitSystem(bool standard) {
    return standard ? UnitSystem::kStandard : UnitSystem::kMetric;
}

}  // namespace varnock
