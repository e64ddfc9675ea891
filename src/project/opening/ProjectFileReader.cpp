// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/opening/ProjectFileReader.h"

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"

namespace teska {

ProjectFileData ReadProjectFile(const std::string& path)
{
    FieldReader in = FieldReader::FromFile(path);
    return ReadProjectFile(in);
}

ProjectFileData ReadProjectFile(FieldReader& in)
{
    if (in.AtEnd())
        throw FileFormatError(in.fileName(), 1, 0, 0, std::string("the signature ") + kProjectSignature);
    std::string signature = in.LineInput();
    // Tolerate blanks a text editor may leave after the signature.
    while (!signature.empty() && (signature.back() == ' ' || signature.back() == '\t'))
        signature.pop_back();
    if (signature.size() >= 3 && signature.compare(0, 3, "\xEF\xBB\xBF") == 0)
        signature.erase(0, 3);
    if (signature != kProjectSignature)
        throw FileFormatError(in.fileName(), 1, 0, 0,
            std::string("the signature ") + kProjectSignature + ", not a project file");

    ProjectFileData data;
    data.ProjectType = in.ReadInt32();
    data.AnalysisMethod = in.ReadInt32();
    for (std::int16_t& option : data.Options)
        option = in.ReadInt16();
    const std::size_t countLine = in.line();
    const std::int16_t lines = in.ReadInt16();
    if (lines < 0 || lines > 3)
        throw FileFormatError(
            in.fileName(), countLine, 0, 0, "a job line count of 0 to 3, not " + std::to_string(lines));
    for (std::int16_t i = 0; i < lines; ++i)
        data.JobLines.push_back(in.ReadString());
    return data;
}

std::array<std::string, 3> ReadJobFile(const std::string& path)
{
    FieldReader in = FieldReader::FromFile(path);
    return ReadJobFile(in);
}

std::array<std::string, 3> ReadJobFile(FieldReader& in)
{
    // Lines missing at the end read as empty: the writer ends empty lines
    // with line ends only, which the reader treats as the end of the data.
    std::array<std::string, 3> lines;
    for (std::string& line : lines)
        line = in.AtEnd() ? std::string() : in.LineInput();
    return lines;
}

double ReadPunchingFirstNumber(const std::string& path)
{
    FieldReader in = FieldReader::FromFile(path);
    return ReadPunchingFirstNumber(in);
}

double ReadPunchingFirstNumber(FieldReader& in)
{
    return in.ReadDouble();
}

DesignParameterData ReadDesignParameterFile(const std::string& path)
{
    FieldReader in = FieldReader::FromFile(path);
    return ReadDesignParameterFile(in);
}

DesignParameterData ReadDesignParameterFile(FieldReader& in)
{
    DesignParameterData data;
    for (double& number : data.Numbers)
        number = in.ReadDouble();
    data.DesignCode = in.LineInput();
    return data;
}

SlabMarks ReadSlabMarks(const std::string& path)
{
    return ReadSlabMarks(RecordFile::FromFile(path));
}

SlabMarks ReadSlabMarks(const RecordFile& in)
{
    SlabMarks marks;
    marks.SlabMark = in.GetString(8);
    marks.Record9 = in.GetSingle(9);
    return marks;
}

} // namespace teska
