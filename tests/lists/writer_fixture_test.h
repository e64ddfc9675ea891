// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A list writer over a small catalogue of its own, short texts whose lengths
// are easy to count, on a page of 40 characters by 12 lines.

#include <string>

#include "list_fixture_test.h"

namespace teska::test {

inline const char* WriterCatalogue = "@language\tTestish\n"
                                     "11\tJob\n12\tClient\n95\tNotes\n90057\tFile\n90035\tSystem\n"
                                     "40014\tFrame |1-z\n40015\tSlab\n40016\tSolid\n"
                                     "90006\tPage\n90033\tcont.\n90034\t...cont\n"
                                     "157\tPrinting |1\n90078\tPreparing |1\n90079\tEmpty table\n"
                                     "140\tMoments\n90045\tData list\n140019\tSettlement\n"
                                     "80079\tNode\n90000\tNo.\n90077\tMoment\n"
                                     "160005\tSlab analysis\n160004\tSoil analysis\n90167\tFE method\n"
                                     "91\tLang |1\n140148\tMethod:\n90\tBy\n"
                                     "75\t[rad]\n76\t[s]\n77\t2\n78\t3\n"
                                     "500\tLabel A\n"
                                     "600\t\xD9\x84\xD8\xA7\xD9\x84\xD8\xA3\n";

class WriterTest : public ListFixture {
protected:
    WriterTest()
        : ListFixture(WriterCatalogue, 40, 12)
    {
        state.OutputTarget = TargetEditorResults;
        state.CurrentListKey = 140L;
    }

    ScratchDir& dir = catalogueDir;
};

inline std::string Sp(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}
inline std::string Rep(int n, char c)
{
    return std::string(static_cast<std::size_t>(n), c);
}
// One line of list text.
inline std::string L(const std::string& text)
{
    return text + "\r\n";
}
} // namespace teska::test
