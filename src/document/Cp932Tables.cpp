#include "document/Cp932Tables.h"

#include <array>

namespace volmar::cp932 {

namespace {

struct EncodeOnly {
    char16_t character;
    quint16 code;
};

#include "document/Cp932Data.inc"

constexpr quint16 kUnmappable = '?';
constexpr char16_t kInvalid = 0xFFFD;
constexpr int kFirstTrail = 0x40;
constexpr int kRowLength = 0x100 - kFirstTrail;
constexpr int kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

static_assert(std::size(kSingleBytes) == 0x80 + 1);
static_assert(std::size(kPairs) == kLeadCount * kRowLength + 1);
static_assert(std::size(kLeadsByPreference) == kLeadCount);

// The row of a lead byte in kPairs.
int LeadRow(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

// Every character's code: ASCII as itself, the rest as the first code that
// decodes to it, searching lead bytes by preference, then the codes that
// decode to another character, then our own choice for the yen sign.
std::array<quint16, 0x10000> MakeEncodeTable() {
    std::array<quint16, 0x10000> table;
    table.fill(0);
    for (int c = 0; c < 0x80; ++c)
        table[c] = static_cast<quint16>(c);
    for (int b = 0x80; b <= 0xFF; ++b)
        if (const char16_t c = kSingleBytes[b - 0x80]; c != kInvalid && table[c] == 0)
            table[c] = static_cast<quint16>(b);
    for (const unsigned char lead : kLeadsByPreference) {
        for (int trail = kFirstTrail; trail <= 0xFF; ++trail) {
            const char16_t c = kPairs[LeadRow(lead) * kRowLength + trail - kFirstTrail];
            if (c != kInvalid && table[c] == 0)
                table[c] = static_cast<quint16>((lead << 8) | trail);
        }
    }
    for (const EncodeOnly& e : kEncodeOnly)
        table[e.character] = e.code;
    table[u'\u00A5'] = 0x818F; // yen sign: the full-width yen, never the backslash
    for (int c = 0x80; c < 0x10000; ++c)
        if (table[c] == 0)
            table[c] = kUnmappable;
    return table;
}

} // namespace

quint16 EncodeBmp(char16_t c) {
    static const std::array<quint16, 0x10000> table = MakeEncodeTable();
    return table[c];
}

char16_t DecodePair(unsigned char lead, unsigned char trail) {
    if (!IsLeadByte(lead) || trail < kFirstTrail)
        return kInvalid;
    return kPairs[LeadRow(lead) * kRowLength + trail - kFirstTrail];
}

char16_t DecodeSingle(unsigned char b) {
    return b < 0x80 ? char16_t(b) : kSingleBytes[b - 0x80];
}

} // namespace volmar::cp932
