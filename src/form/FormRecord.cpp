// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormRecord.h"

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

const std::string* FieldTexts::format(Entry& entry, std::uint64_t bits, const FieldBinding& binding,
                                      const FormRecord& record) {
    entry.text = binding.text(record);
    entry.bits = bits;
    entry.valid = true;
    entry.shown = false;
    return &entry.text;
}

std::span<const FieldBinding> formFields() { return kFields; }

}  // namespace varnock
