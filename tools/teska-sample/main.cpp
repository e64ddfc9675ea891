// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <iostream>

#include "teska-sample/SampleCommandLine.h"

int main(int argc, char** argv)
{
    return teska::sample::RunSample(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
