// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line of teska-report.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace teska::report {

// A choice of lists: none, every offered list, or the given keys.
struct ListSelection {
    bool all = false;
    std::vector<std::string> keys;
    bool empty() const { return !all && keys.empty(); }
};

struct ReportOptions {
    std::string project;
    ListSelection results;
    ListSelection data;
    std::string textFile; // "-" = stdout
    std::string pdfFile;
    std::string printer; // a system printer to print on
    std::string xlsxFile; // the result lists as a workbook
    std::string odtFile; // the lists as a word-processor document
    std::string csvFile; // one result table as CSV ("-" = stdout)
    std::string viewKey;
    // --picture KEY[:COLUMN] with --png, --svg or --pdf FILE (the picture
    // takes --pdf then) and --size WxH.
    std::string pictureKey;
    int pictureColumn = 1;
    std::string pictureFile;
    std::string pictureFormat; // "png", "svg" or "pdf"
    std::optional<std::pair<int, int>> pictureSize;
    bool offered = false;
    std::optional<int> lines;
    std::optional<int> chars;
    std::optional<std::vector<int>> margins; // left, top, bottom
    std::optional<int> firstPage;
    bool noPageNumbers = false;
    std::optional<bool> company;
    std::optional<bool> jobData;
    std::optional<int> copies;
    std::string settingsDir;
    std::string language;
    bool help = false;
    bool version = false;
};

// Thrown for a usage error; the message says what is wrong.
struct UsageError {
    std::string message;
};

ReportOptions ParseReportOptions(const std::vector<std::string>& args);
const char* ReportUsage();

} // namespace teska::report
