// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one context object of a program run: the suite services, the one list
// file, and the state that the routines of the list engine share. Owned by
// main() of each program and passed explicitly; there are no globals.

#include <string>

#include "project/ListFile.h"
#include "suite/Host.h"
#include "suite/SuiteEnvironment.h"
#include "suite/SuiteTools.h"
#include "suite/TextCatalogue.h"

namespace teska {

struct SessionOptions {
    std::string settingsDirectory; // empty: from the environment
    std::string catalogueDirectory; // empty: TextCatalogue::DefaultDirectory()
    std::string language; // empty: TESKA_LANG, else the suite setting
    bool strictCatalogue = false; // unknown identifiers throw (tests)
};

class Session {
public:
    Session(Host& host, const SessionOptions& options = {});

    Host& host;
    SuiteEnvironment environment;
    SuiteTools tools;
    TextCatalogue catalogue;
    ListFileSlot file;

    FileServices services() { return FileServices{environment, tools, catalogue}; }

private:
    static std::string languageFor(SuiteEnvironment& environment, const SessionOptions& options);
};

} // namespace teska
