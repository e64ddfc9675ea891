// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/data/DataFileSupport.h"

#include <stdexcept>

#include "project/input/InputHelpers.h"
#include "project/io/FieldReader.h"
#include "suite/Errors.h"

namespace teska::data {

void ExpectSignature(FieldReader& in, const char* signature)
{
    std::string line = in.AtEnd() ? std::string() : in.LineInput();
    if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
        line.erase(0, 3);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    if (line != signature)
        throw FileFormatError(in.fileName(), 1, 0, 0, std::string("the signature ") + signature);
}

std::int32_t ReadCount32(FieldReader& in, const char* what, long fieldsPerItem)
{
    const std::size_t line = in.line();
    const std::int32_t count = in.ReadInt32();
    if (count < 0)
        throw FileFormatError(in.fileName(), line, 0, 0,
            std::string("negative count of ") + what + " (" + std::to_string(count) + ")");
    input::CheckFits(in,
        static_cast<unsigned long long>(count) * static_cast<unsigned long long>(fieldsPerItem),
        std::string(what) + " (" + std::to_string(count) + ")", line);
    return count;
}

void CheckQuotable(const std::string& text, const char* what)
{
    if (text.find_first_of("\"\r\n") != std::string::npos)
        throw std::invalid_argument(std::string(what) + " holds a double quote or a line end");
}

} // namespace teska::data
