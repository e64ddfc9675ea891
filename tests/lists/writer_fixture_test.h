// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A list writer over a small catalogue of its own, short texts whose lengths
// are easy to count, on a page of 40 characters by 12 lines.

#include <string>

#include "list_fixture_test.h"

namespace teska::test {

class WriterTest : public ListFixture {
protected:
    WriterTest()
        : ListFixture(readFile(dataPath("lists/writer.catalogue")), 40, 12)
    {
        state.OutputTarget = TargetEditorResults;
        state.CurrentListKey = 140L;
    }
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
