// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/ProjectWriter.h"

#include <stdexcept>

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"

namespace teska {

namespace {

// A whole line cannot hold a line end; a quoted field cannot hold a quote.
void CheckLine(const std::string& text, const char* what, bool quoted)
{
    if (text.find_first_of("\r\n") != std::string::npos)
        throw std::invalid_argument(std::string(what) + " holds a line end");
    if (quoted && text.find('"') != std::string::npos)
        throw std::invalid_argument(std::string(what) + " holds a double quote");
}

} // namespace

void WriteProjectFile(const std::string& path, const ProjectFileData& data)
{
    if (data.JobLines.size() > 3)
        throw std::invalid_argument("a project file holds at most three job lines");
    for (const std::string& line : data.JobLines)
        CheckLine(line, "a job line", true);
    FieldWriter out(path);
    out.PrintLine("TESKA-PO1");
    out.WriteFields({FieldWriter::Number(data.ProjectType), FieldWriter::Number(data.AnalysisMethod)});
    std::string options;
    for (std::size_t i = 0; i < data.Options.size(); ++i)
        options += (i ? ", " : "") + FieldWriter::Number(data.Options[i]);
    out.PrintLine(options);
    out.PrintLine(FieldWriter::Number(static_cast<double>(data.JobLines.size())));
    for (const std::string& line : data.JobLines)
        out.PrintLine(FieldWriter::Quote(line));
    out.Close();
}

void WriteJobFile(const std::string& path, const std::array<std::string, 3>& jobLines)
{
    for (const std::string& line : jobLines)
        CheckLine(line, "a job line", false);
    FieldWriter out(path);
    for (const std::string& line : jobLines)
        out.PrintLine(line);
    out.Close();
}

void WritePunchingFile(const std::string& path, double firstNumber)
{
    FieldWriter out(path);
    out.PrintLine(FieldWriter::Number(firstNumber));
    out.Close();
}

void WriteDesignParameterFile(
    const std::string& path, const std::array<double, 6>& numbers, const std::string& designCode)
{
    CheckLine(designCode, "the design code", false);
    FieldWriter out(path);
    std::string line;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        line += (i ? ", " : "") + FieldWriter::Number(numbers[i]);
    out.PrintLine(line);
    out.PrintLine(designCode);
    out.Close();
}

void WriteSlabMarks(const std::string& path, const std::string& slabMark, float record9)
{
    RecordWriter records;
    records.PutString(8, slabMark);
    records.PutSingle(9, record9);
    records.Save(path);
}

} // namespace teska
