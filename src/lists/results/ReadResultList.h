// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// ReadResultList: reads the result files of one list into a ResultTable,
// converts the values into the user's units and derives computed columns.
//
// Usage (a result section or the viewer's grid):
//
//     ResultContext project{dir, baseName, analysisMethod, designCode, &formats};
//     ResultTable table;
//     try {
//         if (ReadResultList(session, project, key, window, table) != 0)
//             return; // aborted (missing file) or cancelled: no list
//     } catch (const RuntimeError& e) {
//         session.environment.SetPendingError(e.what());
//         ReportRuntimeError(services, session.file); // no list either
//         return;
//     }
//     // DefineListColumns(..., key, 0, ...); then rows 1..table.RowCount(),
//     // columns 1..table.ColumnCount() with table.Value(r, c).
//
// Every file is opened through OpenListFile with progress selector 2, so a
// missing file aborts the running list (run state 3, window unloaded) and
// the result is -1. The run is checked after .PL6, after every column and
// counted file and at the end; a cancelled or aborted run gives -1.
// Bad content (a short file, a value that is not a number, a negative
// count, a count larger than its file, a matrix whose order differs from
// the .PL6 node count, a zero node area) throws FileFormatError naming the
// file and the place; the list file is closed before the error leaves.
// After -1 or an error the table holds whatever was read so far.
//
// A key without a result case (a data list key) reads .PL6 only and
// returns 0 with the table left as the previous read left it.

#include <cstdint>
#include <string>

#include "lists/choice/ListKey.h"
#include "lists/results/ResultTable.h"

namespace teska {

class Session;
class ProgressWindow;
struct NumberFormats;

// What the reading depends on besides the key; the unit settings come from
// the session's SuiteEnvironment.
struct ResultContext {
    std::string ProjectDirectory; // ends with a path separator
    std::string ProjectBaseName; // file names are directory + base name + extension
    int AnalysisMethod = 0; // 4, 21 and 22 change the columns of some lists
    std::string DesignCode; // "ACI" changes the punching column Qp
    // The number format slots the punching list rounds through; nullptr:
    // the built-in defaults.
    const NumberFormats* Formats = nullptr;
};

// 0 when the table was read, -1 when reading stopped (see above).
short ReadResultList(Session& session, const ResultContext& project, const ListKey& key,
    ProgressWindow* window, ResultTable& table);

// True for the keys that ReadResultList has a case for (the three
// coefficient keys are recognised by their catalogue texts).
bool HasResultCase(Session& session, const ListKey& key);

} // namespace teska
