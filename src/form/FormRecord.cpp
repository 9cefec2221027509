#include "form/FormRecord.h"

#include <bit>

#include "form/NumberText.h"

namespace varnock {
namespace {

using R = FormRecord;

const FieldBinding kFields[] = {
    {1007, &R::m_display},       {1094, &R::m_pointAllowed},  {1097, &R::m_freshEntry},
    {1114, &R::m_fsplFrequency}, {1115, &R::m_fsplDistance},  {1118, &R::m_fsplLoss},
    {1126, &R::m_losHeight},     {1129, &R::m_losDistance},   {1132, &R::m_cutFrequency},
    {1145, &R::m_cutLength},     {1153, &R::m_operand},       {1154, &R::m_pendingOp},
    {1125, &R::m_tiltHaat},      {1134, &R::m_tiltBeamwidth}, {1155, &R::m_tiltDowntilt},
    {1165, &R::m_tiltHorizon},   {1159, &R::m_tiltLowerLobe}, {1164, &R::m_tiltMainLobe},
    {1166, &R::m_tiltUpperLobe}, {1156, &R::m_powerIn},       {1157, &R::m_powerOut},
    {1158, &R::m_powerRatio},    {1189, &R::m_fwdPower},      {1196, &R::m_reflPower},
    {1190, &R::m_vswr},          {1194, &R::m_reflCoeff},     {1195, &R::m_returnLoss},
    {1199, &R::m_zMax},          {1203, &R::m_zMin},
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
        bits = std::bit_cast<std::uint64_t>(record.**d);
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
