// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults that no other test caught in the catalogue's text options.

#include <gtest/gtest.h>

#include "suite/CatalogueOptions.h"

namespace teska {
namespace {

// Every small Latin-1 letter from U+00E0 to U+00FE has its capital; the
// division sign U+00F7 between them stays.
TEST(CatalogueUpperCase, LatinSmallLettersUpToThorn)
{
    EXPECT_EQ(UpperCaseUtf8("\xC3\xA0\xC3\xB7\xC3\xBE"), "\xC3\x80\xC3\xB7\xC3\x9E");
}

} // namespace
} // namespace teska
