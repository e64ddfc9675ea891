// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/writer/TextMeasure.h"

namespace teska {

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0u) == 0x80u;
}

// Bytes of the well-formed sequence starting at \p i, or 0 when none starts.
std::size_t SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t need = 0;
    if (lead < 0x80u)
        return 1;
    if ((lead & 0xE0u) == 0xC0u && lead >= 0xC2u)
        need = 2;
    else if ((lead & 0xF0u) == 0xE0u)
        need = 3;
    else if ((lead & 0xF8u) == 0xF0u && lead <= 0xF4u)
        need = 4;
    else
        return 0;
    if (i + need > text.size())
        return 0;
    for (std::size_t k = 1; k < need; ++k)
        if (!IsContinuation(static_cast<unsigned char>(text[i + k])))
            return 0;
    return need;
}

} // namespace

std::int32_t TextLength(std::string_view text)
{
    std::int32_t length = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80u) {
            ++length;
            ++i;
            continue;
        }
        const std::size_t bytes = SequenceLength(text, i);
        if (bytes == 0) {
            ++length;
            ++i;
        } else {
            length += bytes == 4 ? 2 : 1;
            i += bytes;
        }
    }
    return length;
}

std::int32_t LamAlefCount(std::string_view text)
{
    // lam U+0644 is D9 84; the four alef forms are D8 A2, D8 A3, D8 A5, D8 A7.
    std::int32_t count = 0;
    for (std::size_t i = 0; i + 3 < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) != 0xD9u || static_cast<unsigned char>(text[i + 1]) != 0x84u
            || static_cast<unsigned char>(text[i + 2]) != 0xD8u)
            continue;
        const auto last = static_cast<unsigned char>(text[i + 3]);
        if (last == 0xA2u || last == 0xA3u || last == 0xA5u || last == 0xA7u) {
            ++count;
            i += 3;
        }
    }
    return count;
}

std::int32_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return static_cast<std::int32_t>(quotient);
}

void CutAtSlash(std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash != std::string::npos)
        text.erase(slash);
}

} // namespace teska
