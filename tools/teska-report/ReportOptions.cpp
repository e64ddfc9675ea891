// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportOptions.h"

#include <charconv>

namespace teska::report {

namespace {

int parseInt(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        throw UsageError{option + ": '" + text + "' is not a whole number"};
    if (value < low || value > high)
        throw UsageError{
            option + ": " + text + " is outside " + std::to_string(low) + ".." + std::to_string(high)};
    return value;
}

ListSelection parseSelection(const std::string& option, const std::string& text)
{
    ListSelection selection;
    if (text == "all") {
        selection.all = true;
        return selection;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string key
            = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (key.empty())
            throw UsageError{option + ": empty list key in '" + text + "'"};
        selection.keys.push_back(key);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return selection;
}

} // namespace

ReportOptions ParseReportOptions(const std::vector<std::string>& args)
{
    ReportOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--version")
            o.version = true;
        else if (a == "--results")
            o.results = parseSelection(a, value());
        else if (a == "--data")
            o.data = parseSelection(a, value());
        else if (a == "--text")
            o.textFile = value();
        else if (a == "--pdf")
            o.pdfFile = value();
        else if (a == "--printer")
            o.printer = value();
        else if (a == "--xlsx")
            o.xlsxFile = value();
        else if (a == "--odt")
            o.odtFile = value();
        else if (a == "--csv")
            o.csvFile = value();
        else if (a == "--view")
            o.viewKey = value();
        else if (a == "--picture") {
            const std::string text = value();
            const std::size_t colon = text.rfind(':');
            o.pictureKey = text.substr(0, colon);
            if (colon != std::string::npos)
                o.pictureColumn = parseInt(a + " column", text.substr(colon + 1), 1, 100000);
            if (o.pictureKey.empty())
                throw UsageError{"--picture needs a list key: '" + text + "'"};
        } else if (a == "--png" || a == "--svg") {
            if (!o.pictureFile.empty())
                throw UsageError{"give one picture file: --png, --svg or --pdf"};
            o.pictureFile = value();
            o.pictureFormat = a.substr(2);
        } else if (a == "--size") {
            const std::string text = value();
            const std::size_t x = text.find_first_of("xX");
            if (x == std::string::npos)
                throw UsageError{"--size needs WxH in pixels, got '" + text + "'"};
            o.pictureSize = std::pair{parseInt(a + " width", text.substr(0, x), 100, 20000),
                parseInt(a + " height", text.substr(x + 1), 100, 20000)};
        } else if (a == "--offered")
            o.offered = true;
        else if (a == "--lines")
            o.lines = parseInt(a, value(), 10, 1000);
        else if (a == "--chars")
            o.chars = parseInt(a, value(), 20, 1000);
        else if (a == "--margins") {
            const std::string text = value();
            std::vector<int> margins;
            std::size_t start = 0;
            for (int k = 0; k < 3; ++k) {
                const std::size_t comma = text.find(',', start);
                if ((k < 2) == (comma == std::string::npos))
                    throw UsageError{"--margins needs three whole numbers L,T,B, got '" + text + "'"};
                margins.push_back(parseInt(a, text.substr(start, comma - start), 0, 100));
                start = comma + 1;
            }
            o.margins = margins;
        } else if (a == "--first-page")
            o.firstPage = parseInt(a, value(), 1, 32000);
        else if (a == "--no-page-numbers")
            o.noPageNumbers = true;
        else if (a == "--company")
            o.company = true;
        else if (a == "--no-company")
            o.company = false;
        else if (a == "--job-data")
            o.jobData = true;
        else if (a == "--no-job-data")
            o.jobData = false;
        else if (a == "--copies")
            o.copies = parseInt(a, value(), 1, 32000);
        else if (a == "--settings")
            o.settingsDir = value();
        else if (a == "--lang")
            o.language = value();
        else if (a.starts_with("-") && a != "-")
            throw UsageError{"unknown option " + a};
        else if (o.project.empty())
            o.project = a;
        else
            throw UsageError{"more than one project given: " + o.project + " and " + a};
    }
    if (o.help || o.version)
        return o;
    if (o.project.empty())
        throw UsageError{"no project file given"};
    if (!o.pictureKey.empty()) {
        // The picture's file: --png, --svg, or --pdf, which then names the
        // picture and not the printed lists.
        if (!o.pdfFile.empty()) {
            if (!o.pictureFile.empty())
                throw UsageError{"give one picture file: --png, --svg or --pdf"};
            o.pictureFile = o.pdfFile;
            o.pictureFormat = "pdf";
            o.pdfFile.clear();
        }
        if (o.pictureFile.empty())
            throw UsageError{"--picture needs --png FILE, --svg FILE or --pdf FILE"};
        if (!o.results.empty() || !o.data.empty() || !o.viewKey.empty() || o.offered)
            throw UsageError{
                "--picture is a run of its own: leave out --results, --data, --view and --offered"};
        return o;
    }
    if (!o.pictureFile.empty() || o.pictureSize)
        throw UsageError{"--png, --svg and --size belong to --picture KEY"};
    if (!o.offered && o.viewKey.empty() && o.results.empty() && o.data.empty())
        throw UsageError{"nothing to do: give --results, --data, --view or --offered"};
    if ((!o.results.empty() || !o.data.empty()) && o.textFile.empty() && o.pdfFile.empty()
        && o.printer.empty() && o.xlsxFile.empty() && o.odtFile.empty() && o.csvFile.empty())
        throw UsageError{"give --text FILE (or -), --pdf FILE, --printer NAME, --xlsx FILE, --odt FILE"
                         " and/or --csv FILE for the lists"};
    return o;
}

const char* ReportUsage()
{
    return R"(Usage: teska-report PROJECT.PO1 [options]

Writes the lists of a project without the window.

Lists:
  --results KEYS|all   result lists: comma-separated list keys, or every
                       result list the project offers for printing; the
                       three coefficient lists by their index in --offered
  --data KEYS|all      data lists, likewise
  --view KEY           what the viewer shows for one list: its text, or for
                       a grid list the heading row and rows, tab-separated
  --offered            the offered data and result lists (key TAB caption)
  --picture KEY[:COL]  the slab coloured by value column COL (default 1) of
                       the nodal result list KEY, written with --png FILE,
                       --svg FILE or --pdf FILE; --size WxH in pixels (PNG,
                       SVG; default 1600x1000) or points (PDF; default A4
                       landscape). A list without a picture is exit status 1.

Output:
  --text FILE          the lists as the text editor receives them (- = stdout);
                       FILE appears only when the whole run succeeded
  --pdf FILE           the printed lists, page by page; FILE appears only
                       when the whole run succeeded
  --printer NAME       print the lists on the system printer NAME (a CUPS
                       queue, see lpstat -p), as one print job
                       With both --data and --results the data lists come
                       first, then the result lists, in the one text, PDF
                       or print job.
  --xlsx FILE          the --results lists as a workbook: one worksheet per
                       table (numbers with the list's number formats), the
                       summary sections as text in sheets of their own
  --odt FILE           the --data and --results lists as one word-processor
                       document (OpenDocument text), a page per list page
  --csv FILE           one result table (--results KEY) as comma-separated
                       text, a dot as decimal separator (- = stdout)
                       FILE of --xlsx, --odt and --csv appears only when
                       it was written completely.

Page and print options (defaults: the stored print settings):
  --lines N --chars N  page size in lines and characters (default: measured
                       on the printer: --printer NAME, else the stored
                       printer, else the system's default printer, else an
                       A4 page)
  --margins L,T,B      left, top and bottom margin
  --first-page N       number of the first page
  --no-page-numbers    no page numbers
  --company | --no-company     company header on or off
  --job-data | --no-job-data   job data on or off
  --copies N           number of copies (printed output)

  --settings DIR       settings folder (default $TESKA_SETTINGS_DIR or
                       $XDG_CONFIG_HOME/teska/)
  --lang L             catalogue language (en, de, ar, ...)
  --help, --version

Exit status: 0 success, 1 run aborted (missing or unreadable file),
2 usage error, 3 written with errors (a fault inside a file was reported
on stderr and the lists were written with what was read).
)";
}

} // namespace teska::report
