// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's whole numeric state: 29 numbers, each shown in one box.
// Values flow one way, from the record to the boxes; nothing reads a box
// back into the record.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace varnock {

struct FormRecord {
    double m_display = 0;
    double m_pointAllowed = 1.0;
    int m_freshEntry = 0;
    double m_fsplFrequency = 0;
    double m_fsplDistance = 0;
    double m_fsplLoss = 0;
    double m_losHeight = 0;
    double m_losDistance = 0;
    double m_cutFrequency = 0;
    double m_cutLength = 0;
    double m_operand = 0;
    int m_pendingOp = 0;
    double m_tiltHaat = 0;
    double m_tiltBeamwidth = 0;
    double m_tiltDowntilt = 0;
    double m_tiltHorizon = 0;
    double m_tiltLowerLobe = 0;
    double m_tiltMainLobe = 0;
    double m_tiltUpperLobe = 0;
    double m_powerIn = 0;
    double m_powerOut = 0;
    double m_powerRatio = 0;
    double m_fwdPower = 0;
    double m_reflPower = 0;
    double m_vswr = 0;
    double m_reflCoeff = 0;
    double m_returnLoss = 0;
    double m_zMax = 0;
    double m_zMin = 0;
};

// One number of the record and the box that shows it.
struct FieldBinding {
    int box;
    std::variant<double FormRecord::*, int FormRecord::*> field;

    // The field's value as its box shows it: doubles "%.15g", ints "%d".
    std::string text(const FormRecord& record) const;
};

// The texts of the record's fields as last formatted. All fields are shown
// after nearly every key while most values stay the same, so a field is
// formatted again only when its value has changed.
class FieldTexts {
public:
    const std::string& text(std::size_t index, const FieldBinding& binding,
                            const FormRecord& record);

private:
    struct Entry {
        bool valid = false;
        std::uint64_t bits = 0;  // the double's bit pattern, or the int
        std::string text;
    };
    std::array<Entry, 29> m_entries;
};

// The 29 bindings in exchange order.
std::span<const FieldBinding> formFields();

}  // namespace varnock
