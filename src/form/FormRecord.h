// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's whole numeric state: 29 numbers, each shown in one box.
// Values flow one way, from the record to the boxes; nothing reads a box
// back into the record.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
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

// The texts of the record's fields as last written into their boxes. All
// fields are shown after nearly every key while most values and boxes stay
// the same, so a field is formatted again only when its value has changed,
// and written again only when its value or its box's text has.
class FieldTexts {
public:
    // The field's text when its box needs it: the value changed since the
    // text was last written, or the box's text did (boxVersion is no longer
    // the version noted by written). nullptr when the box shows it already.
    // Inline, as it runs for every field after nearly every key.
    const std::string* textToWrite(std::size_t index, const FieldBinding& binding,
                                   const FormRecord& record, std::uint64_t boxVersion) {
        Entry& entry = m_entries[index];
        const std::uint64_t bits = bitsOf(binding, record);
        if (!entry.valid || entry.bits != bits) return format(entry, bits, binding, record);
        return entry.shown && entry.boxVersion == boxVersion ? nullptr : &entry.text;
    }
    // The text from textToWrite is in its box, whose text version is now
    // boxVersion.
    void written(std::size_t index, std::uint64_t boxVersion) {
        m_entries[index].shown = true;
        m_entries[index].boxVersion = boxVersion;
    }

private:
    struct Entry {
        bool valid = false;
        std::uint64_t bits = 0;  // the double's bit pattern, or the int
        std::string text;
        bool shown = false;  // the box held text at boxVersion
        std::uint64_t boxVersion = 0;
    };

    static std::uint64_t bitsOf(const FieldBinding& binding, const FormRecord& record) {
        if (auto d = std::get_if<double FormRecord::*>(&binding.field)) {
            // A copy of the double's bits: the web build's library has no bit_cast.
            std::uint64_t bits = 0;
            std::memcpy(&bits, &(record.**d), sizeof bits);
            return bits;
        }
        return static_cast<std::uint32_t>(record.*std::get<int FormRecord::*>(binding.field));
    }
    const std::string* format(Entry& entry, std::uint64_t bits, const FieldBinding& binding,
                              const FormRecord& record);

    std::array<Entry, 29> m_entries;
};

// The 29 bindings in exchange order.
std::span<const FieldBinding> formFields();

}  // namespace varnock
