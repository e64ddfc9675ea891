// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list's text as an OpenDocument text (.odt) that a word processor opens:
// one paragraph per list line in the list font at 8 points, single line
// spacing, aligned to the paragraph's start, right to left for a right-to-
// left catalogue language; every list page starts a document page, and the
// page is large enough for a list page.
//
// Qt's own ODF writer (QTextDocumentWriter) is not used: it writes neither
// the page size and margins nor the paragraph direction, and it puts its
// fallback family in place of a font that is not installed.

#include <QByteArray>
#include <QString>
#include <string>

namespace teska {

struct ListDocumentStyle {
    QString fontFamily; // the list font (catalogue text 160017)
    bool rightToLeft = false;
    // Lines of one list page (the list's text is padded to whole pages): a
    // page break before every page; 0 leaves the text unbroken.
    int linesPerPage = 0;
    int charsPerLine = 80; // the widest list line, for the page width
};

// The page of a document in points: at least A4 portrait, larger when a
// list page needs it, with 1.5 cm margins.
struct DocumentPage {
    double width = 0, height = 0, margin = 0;
};
DocumentPage DocumentPageFor(const ListDocumentStyle& style);

// The .odt file's bytes for \p text (lines end with LF or CR LF).
QByteArray ListDocumentBytes(const QString& text, const ListDocumentStyle& style);

// Writes ListDocumentBytes to \p path. Throws RuntimeError with the reason
// (the caller names the file) when it cannot be written.
void WriteListDocument(const std::string& path, const QString& text, const ListDocumentStyle& style);

} // namespace teska
