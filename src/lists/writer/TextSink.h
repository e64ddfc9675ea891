// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the finished text of a view or editor list goes while the list is
// still being written. Without one the whole text stays in ListText (the
// viewer and the main window's editor target take it at the end); the batch
// tool streams it into its output file instead.

#include <string_view>

namespace teska {

class TextSink {
public:
    virtual ~TextSink() = default;
    // Receives the next piece of the list text: whole lines, each ending
    // with CR LF, in the order written. Joined, the pieces are the text
    // ListText would have held. Errors are thrown (RuntimeError), which
    // ends the list run as a failed file access does.
    virtual void WriteText(std::string_view text) = 0;
};

} // namespace teska
