// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormRecord.h"

#include <cstring>

#include "form/ControlIds.h"
#include "form/NumberText.h"

namespace varnock {
namespace {

using R = FormRecord;

const FieldBinding kFields[] = {
    {kDisplay, &R::m_display},
    {kPointAllowedBox, &R::m_pointAllowed},
    {kFreshEntryBox, &R::m_freshEntry},
    {kPathLossFrequencyBox, &R::m_fsplFrequency},
    {kPathLossDistanceBox, &R::m_fsplDistance},
    {kPathLossBox, &R::m_fsplLoss},
    {kSightHeightBox, &R::m_losHeight},
    {kSightDistanceBox, &R::m_losDistance},
    {kCutFrequencyBox, &R::m_cutFrequency},
    {kCutLengthBox, &R::m_cutLength},
    {kOperandBox, &R::m_operand},
    {kPendingOpBox, &R::m_pendingOp},
    {kTiltHaatBox, &R::m_tiltHaat},
    {kTiltBeamwidthBox, &R::m_tiltBeamwidth},
    {kTiltDowntiltBox, &R::m_tiltDowntilt},
    {kTiltHorizonBox, &R::m_tiltHorizon},
    {kTiltLowerLobeBox, &R::m_tiltLowerLobe},
    {kTiltMainLobeBox, &R::m_tiltMainLobe},
    {kTiltUpperLobeBox, &R::m_tiltUpperLobe},
    {kPowerInputBox, &R::m_powerIn},
    {kPowerOutputBox, &R::m_powerOut},
    {kPowerRatioBox, &R::m_powerRatio},
    {kVswrForwardBox, &R::m_fwdPower},
    {kVswrReflectedBox, &R::m_reflPower},
    {kVswrBox, &R::m_vswr},
    {kVswrCoefficientBox, &R::m_reflCoeff},
    {kVswrReturnLossBox, &R::m_returnLoss},
    {kVswrZmaxBox, &R::m_zMax},
    {kVswrZminBox, &R::m_zMin},
};

}  // namespace

std::string FieldBinding::text(const FormRecord& record) const {
    if (auto d = std::get_if<double R::*>(&field)) return formatDouble(record.**d);
    return formatInt(record.*std::get<int R::*>(field));
}

const std::string& FieldTexts::text(std::size_t index, const FieldBinding& binding,
                                    const FormRecord& record) {
    std::uint64_t bits = 0;
    if (auto d = std::get_if<double R::*>(&binding.field)) {
        // The double's bits, by a copy (the web build's library has no bit_cast).
        std::memcpy(&bits, &(record.**d), sizeof bits);
    } else {
        bits = static_cast<std::uint32_t>(record.*std::get<int R::*>(binding.field));
    }
    Entry& entry = m_entries.at(index);
    if (!entry.valid || entry.bits != bits) {
        entry.text = binding.text(record);
        entry.bits = bits;
        entry.valid = true;
    }
    return entry.text;
}

std::span<const FieldBinding> formFields() { return kFields; }

}  // namespace varnock
