#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 TESKA-List developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Collects the caption and message identifiers named in a design document.

Five- and six-digit numbers are identifiers unless listed in NOT_IDS; shorter
numbers count only where the words around them make them one (text 104,
caption 11, T(75; 16), a menu caption with an option, a column caption
before " / "). Prints one identifier a line, sorted, with --why the context.
"""
import re
import sys

NOT_IDS = {32000, 65534}
KEYWORDS = (r"(?:texts?|captions?|headings?|identifiers?|identifier|messages?|title|"
            r"label rows?|rows?|message box with text|warning|status text|T\()")
NUMBER_LIST = r"(\b\d{1,6}\b(?:(?:\s*(?:,|and|or|to)\s*|\s+)\b\d{1,6}\b)*)"


def main():
    text = open(sys.argv[1], encoding="utf-8").read()
    why = "--why" in sys.argv
    found = {}

    def add(n, context):
        if n not in NOT_IDS and n >= 6:
            found.setdefault(n, context)

    for m in re.finditer(r"\b(\d{5,6})\b", text):
        add(int(m.group(1)), text[max(0, m.start() - 40):m.end() + 20])
    patterns = [
        KEYWORDS + r"\s+" + NUMBER_LIST,
        r"\|\s*\b(\d{1,4})\s*\((?:option|arguments)",     # menu caption cells
        r"(?<![\d.])(\d{1,4})\s*/\s*\"",                  # column caption / symbol
        r"\"[^\"]{1,20}\"\s*\((\d{1,4})\)",               # row "GB" (90027)
        r"T\((\d{1,4})(?!\d)",
        r"\bT(\d{2,6})\b",                               # T75: the text of 75
        r"^\| (1\d\d) \|",                               # list keys 138, 139, ...
        r"\bkeys?\s+" + NUMBER_LIST,
        r"^\| \"[^\n]*\| (\d{2,3}) \|$",                   # menu caption column
        r"\u2192 (\d{2,6})\b",                             # target -> status text
    ]
    for pattern in patterns:
        for m in re.finditer(pattern, text, re.MULTILINE):
            for n in re.findall(r"\d+", m.group(m.lastindex)):
                if len(n) <= 4:
                    add(int(n), text[max(0, m.start() - 40):m.end() + 20])
    # Ranges such as "40052 to 40055" name the identifiers between them too.
    for m in re.finditer(r"\b(\d{5,6}) to (\d{5,6})\b", text):
        first, last = int(m.group(1)), int(m.group(2))
        if 0 < last - first <= 20:
            for n in range(first, last + 1):
                add(n, m.group(0))
    for n in sorted(found):
        if why:
            print(n, "\t", found[n].replace("\n", " "))
        else:
            print(n)


if __name__ == "__main__":
    main()
