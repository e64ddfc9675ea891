// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/results/ReadResultList.h"

#include <vector>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/format/Units.h"
#include "lists/results/ResultColumns.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"

namespace teska {

namespace {

// Every file of a result list is read as a running list reads: a missing
// one aborts the run.
constexpr int ReadingSelector = 2;

enum class CoefficientList { None, Ce, Cw, Ks };

CoefficientList coefficientList(Session& session, const std::string& key)
{
    const std::string settlement = session.catalogue.LookupText(140177);
    if (key == settlement + " [Ce]")
        return CoefficientList::Ce;
    if (key == settlement + " [Cw]")
        return CoefficientList::Cw;
    if (key == session.catalogue.LookupText(140221) + " [ks]")
        return CoefficientList::Ks;
    return CoefficientList::None;
}

bool isResultKey(long id)
{
    switch (id) {
    case 138:
    case 90046:
    case 90183:
    case 90184:
    case 90098:
    case 90048:
    case 139:
    case 140:
    case 141:
    case 142:
    case 90049:
    case 150:
    case 146:
    case 90103:
    case 90163:
    case 90105:
    case 80045:
    case 80006:
    case 160010:
    case 160008:
    case 160009:
        return true;
    default:
        return false;
    }
}

class ResultReader {
public:
    ResultReader(Session& session, const ResultContext& project, ProgressWindow* window, ResultTable& table)
        : session_(session)
        , project_(project)
        , window_(window)
        , table_(table)
        , services_(session.services())
        , units_(session.environment.Units())
    { }

    short read(const ListKey& key)
    {
        if (!readNodeCount())
            return -1;
        if (!runGoesOn())
            return -1;
        if (!readCase(key))
            return -1;
        return runGoesOn() ? 0 : -1;
    }

private:
    std::string path(const char* extension) const
    {
        return project_.ProjectDirectory + project_.ProjectBaseName + extension;
    }

    double factor(long kind) const { return UnitFactor(units_, kind); }
    double deflectionFactor() const { return units_.Length2Factor * 100.0; }

    // The run check after each file: the host may deliver a cancel first.
    bool runGoesOn()
    {
        session_.host.processEvents();
        return !session_.tools.RunStopped();
    }

    // Hands the full path to the environment as the current file name and
    // opens it; false when it is missing (the run is then aborted).
    FieldReader* open(const char* extension)
    {
        const std::string name = path(extension);
        session_.environment.SetCurrentFileName(name);
        if (OpenListFile(services_, session_.file, session_.environment.CurrentFileName(), ModeInput, 1,
                ReadingSelector, window_)
            != 0)
            return nullptr;
        return &session_.file.Input();
    }

    void close() { CloseListFile(services_, session_.file); }

    bool readNodeCount()
    {
        FieldReader* in = open(".PL6");
        if (!in)
            return false;
        rowCount_ = ReadNodeCountFile(*in);
        close();
        return runGoesOn();
    }

    // The column files F1.. into columns 1.. of a table of \p columns
    // columns and rowCount_ rows. The table is made once the first file is
    // open and the row count has been checked against its size.
    bool readColumns(std::int32_t columns, std::initializer_list<const char*> files)
    {
        bool created = false;
        std::int32_t column = 1;
        for (const char* extension : files) {
            FieldReader* in = open(extension);
            if (!in)
                return false;
            if (!created) {
                // The table is made once the first column has been read, so
                // that a count its files cannot fill costs no memory.
                const std::vector<float> first = ReadColumnList(*in, rowCount_);
                table_.Create(rowCount_, columns);
                float* cell = table_.ColumnStart(1);
                for (const float value : first) {
                    *cell = value;
                    cell += table_.RowStride();
                }
                created = true;
            } else {
                ReadColumnValues(*in, rowCount_, table_.ColumnStart(column), table_.RowStride());
            }
            close();
            if (!runGoesOn())
                return false;
            ++column;
        }
        return true;
    }

    // The node areas of .PL4; their count becomes the row count.
    bool readNodeAreas()
    {
        FieldReader* in = open(".PL4");
        if (!in)
            return false;
        areas_ = ReadCountedValues(*in);
        areasFile_ = in->fileName();
        close();
        rowCount_ = static_cast<std::int32_t>(areas_.size());
        return runGoesOn();
    }

    // Settlement in column 1, nodal force in column 2 turned into a contact
    // pressure by the node's area.
    bool readSettlementPair(const char* settlement, const char* force)
    {
        if (!readNodeAreas() || !readColumns(2, {settlement, force}))
            return false;
        ScaleColumns(table_, deflectionFactor(), {1});
        const double pressure = factor(0);
        for (std::int32_t r = 1; r <= table_.RowCount(); ++r) {
            const double area = areas_[static_cast<std::size_t>(r - 1)];
            if (area == 0.0)
                throw FileFormatError(areasFile_, 0, 0, 0,
                    "the area of node " + std::to_string(r)
                        + " is zero; its contact pressure cannot be computed");
            float& cell = table_.At(r, 2);
            cell = RoundThroughText(static_cast<double>(cell) * pressure / area, "");
        }
        return true;
    }

    void readMatrix(const char* extension, double scale, bool& stopped)
    {
        FieldReader* in = open(extension);
        if (!in) {
            stopped = true;
            return;
        }
        const std::int32_t n = ReadMatrixOrder(*in, rowCount_);
        table_.Create(n, n);
        ReadMatrixValues(*in, n, table_.Cells().data());
        close();
        rowCount_ = n;
        ScaleValues(table_.Cells(), scale);
    }

    bool readPunching()
    {
        FieldReader* in = open(".PPU");
        if (!in)
            return false;
        const PunchingFile file = ReadPunchingFile(*in);
        close();
        const NumberFormats defaults;
        const NumberFormats& formats = project_.Formats ? *project_.Formats : defaults;
        const std::string& loadFormat = formats.Slot(1);
        const std::string& lengthFormat = formats.Slot(9);
        const std::string& stressFormat = formats.Slot(3);
        const std::string& percentFormat = formats.Slot(15);
        const bool aci = project_.DesignCode == "ACI";
        const double qpFactor = aci ? units_.Force2Factor : factor(9);
        const std::string& qpFormat = aci ? loadFormat : stressFormat;
        const double f = units_.ForceFactor;
        const double l = units_.LengthFactor;

        rowCount_ = static_cast<std::int32_t>(file.Points.size());
        table_.Create(rowCount_, 11);
        for (std::int32_t r = 1; r <= rowCount_; ++r) {
            const PunchingPoint& p = file.Points[static_cast<std::size_t>(r - 1)];
            const CrossSectionType& type = file.Types[static_cast<std::size_t>(p.Type - 1)];
            const PunchingResult& res = file.Results[static_cast<std::size_t>(r - 1)];
            table_.At(r, 1) = RoundThroughText(p.Load * f, loadFormat);
            table_.At(r, 2) = RoundThroughText(p.X * l, lengthFormat);
            table_.At(r, 3) = RoundThroughText(p.Y * l, lengthFormat);
            table_.At(r, 4) = RoundThroughText(type.SideA * l, lengthFormat);
            table_.At(r, 5) = RoundThroughText(type.SideB * l, lengthFormat);
            table_.At(r, 6) = RoundThroughText(res.Qp * qpFactor, qpFormat);
            table_.At(r, 7) = RoundThroughText(res.Qo * factor(0), stressFormat);
            table_.At(r, 8) = RoundThroughText(res.PA * factor(7), lengthFormat);
            table_.At(r, 9) = RoundThroughText(res.AL * l, lengthFormat);
            table_.At(r, 10) = RoundThroughText(res.Dp * l, lengthFormat);
            table_.At(r, 11) = RoundThroughText(res.Rpa, percentFormat);
        }
        return true;
    }

    // Columns 1, 2: the end nodes; columns 3, 4: the fields \p first and
    // \p second (0-based S index, -1 for none) of each record.
    bool readBeams(std::int32_t columns, int first, int second)
    {
        FieldReader* in = open(".GH1");
        if (!in)
            return false;
        const std::vector<BeamRecord> beams = ReadBeamFile(*in);
        close();
        rowCount_ = static_cast<std::int32_t>(beams.size());
        table_.Create(rowCount_, columns);
        for (std::int32_t r = 1; r <= rowCount_; ++r) {
            const BeamRecord& b = beams[static_cast<std::size_t>(r - 1)];
            table_.At(r, 1) = static_cast<float>(b.Node1);
            table_.At(r, 2) = static_cast<float>(b.Node2);
            table_.At(r, 3) = b.S[static_cast<std::size_t>(first)];
            if (second >= 0)
                table_.At(r, 4) = b.S[static_cast<std::size_t>(second)];
        }
        return true;
    }

    bool readCase(const ListKey& key)
    {
        if (const std::string* text = std::get_if<std::string>(&key)) {
            bool stopped = false;
            switch (coefficientList(session_, *text)) {
            case CoefficientList::Ce:
                readMatrix(".PD1", 1.0 / factor(4), stopped);
                break;
            case CoefficientList::Cw:
                readMatrix(".PD2", 1.0 / factor(4), stopped);
                break;
            case CoefficientList::Ks:
                readMatrix(".PE1", factor(4), stopped);
                break;
            case CoefficientList::None:
                break;
            }
            return !stopped;
        }
        const long id = std::get<long>(key);
        const int method = project_.AnalysisMethod;
        switch (id) {
        case 138:
            if (!readColumns(3, {".PH1", ".PH8"}))
                return false;
            ScaleColumns(table_, deflectionFactor(), {1, 2});
            SubtractColumns(table_, 3, 1, 2);
            return true;
        case 90046:
            if (method == 21 ? !readColumns(3, {".U_x", ".PH1", ".THZ"}) : !readColumns(2, {".U_x", ".PH1"}))
                return false;
            ScaleColumns(table_, deflectionFactor(), {1, 2});
            return true;
        case 90183:
        case 90184: {
            const bool stress = id == 90183;
            if (stress ? !readColumns(6, {".S_X", ".S_Y", ".TXY"})
                       : !readColumns(6, {".VAX", ".VAY", ".VXY"}))
                return false;
            DeriveStressColumns(table_, stress ? 1 : 2);
            ScaleColumns(table_, factor(0), {1, 2, 3, 4, 5, 6});
            return true;
        }
        case 90098:
            if (method == 4) {
                if (!readColumns(1, {".PH2"}))
                    return false;
                ScaleColumns(table_, factor(0), {1});
                return true;
            }
            if (!readColumns(3, {".PH2", ".PH9"}))
                return false;
            ScaleColumns(table_, factor(0), {1, 2});
            SubtractColumns(table_, 3, 1, 2);
            return true;
        case 90048:
            if (!readColumns(2, {".PH1", ".PH2"}))
                return false;
            ScaleColumns(table_, deflectionFactor(), {1});
            ScaleColumns(table_, factor(0), {2});
            return true;
        case 139:
            if (!readColumns(3, {".PH1", ".THY", ".THX"}))
                return false;
            ScaleColumns(table_, deflectionFactor(), {1});
            return true;
        case 140:
            if (!readColumns(5, {".PH3", ".PH4", ".PH5"}))
                return false;
            ScaleColumns(table_, factor(1), {1, 2, 3});
            DerivePrincipalMoments(table_);
            return true;
        case 141:
            if (!readColumns(2, {".PH6", ".PH7"}))
                return false;
            ScaleColumns(table_, factor(4), {1, 2});
            return true;
        case 142:
            if (method == 22) {
                if (!readColumns(2, {".H10", ".H11"}))
                    return false;
                ScaleColumns(table_, units_.ForceFactor, {1, 2});
                return true;
            }
            if (!readColumns(3, {".H10", ".H11", ".H12"}))
                return false;
            if (method == 21) {
                ScaleColumns(table_, units_.ForceFactor, {1, 2});
                ScaleColumns(table_, factor(2), {3});
            } else {
                ScaleColumns(table_, units_.ForceFactor, {1});
                ScaleColumns(table_, factor(2), {2, 3});
            }
            return true;
        case 90049:
            if (!readColumns(4, {".H13", ".H14", ".H15", ".H16"}))
                return false;
            ScaleColumns(table_, factor(8), {1, 2, 3, 4});
            return true;
        case 150:
            if (!readColumns(1, {".QUN"}))
                return false;
            ScaleColumns(table_, factor(0), {1});
            return true;
        case 146:
            if (!readColumns(1, {".PW1"}))
                return false;
            ScaleColumns(table_, factor(3), {1});
            return true;
        case 90103:
            return readSettlementPair(".PT3", ".PT2");
        case 90163:
            return readSettlementPair(".PP3", ".PP2");
        case 90105:
            return readSettlementPair(".PV1", ".PV2");
        case 80045:
            return readPunching();
        case 80006:
            // Column 4, the normal force at the second end, has no field of
            // its own in the file and stays zero.
            if (!readBeams(4, 0, -1))
                return false;
            ScaleColumns(table_, units_.ForceFactor, {3, 4});
            return true;
        case 160010:
            if (!readBeams(3, 0, -1))
                return false;
            ScaleColumns(table_, factor(2), {3});
            return true;
        case 160008:
            if (!readBeams(4, 1, 2))
                return false;
            ScaleColumns(table_, factor(2), {3, 4});
            return true;
        case 160009:
            if (!readBeams(4, 3, 4))
                return false;
            ScaleColumns(table_, units_.ForceFactor, {3, 4});
            return true;
        default:
            return true;
        }
    }

    Session& session_;
    const ResultContext& project_;
    ProgressWindow* window_;
    ResultTable& table_;
    FileServices services_;
    const UnitSettings& units_;
    std::int32_t rowCount_ = 0;
    std::vector<float> areas_;
    std::string areasFile_;
};

} // namespace

short ReadResultList(Session& session, const ResultContext& project, const ListKey& key,
    ProgressWindow* window, ResultTable& table)
{
    try {
        return ResultReader(session, project, window, table).read(key);
    } catch (...) {
        // The error goes to the caller's handler; the list file is free again.
        if (session.file.IsOpen()) {
            FileServices services = session.services();
            CloseListFile(services, session.file);
        }
        throw;
    }
}

bool HasResultCase(Session& session, const ListKey& key)
{
    if (const long* id = std::get_if<long>(&key))
        return isResultKey(*id);
    return coefficientList(session, std::get<std::string>(key)) != CoefficientList::None;
}

} // namespace teska
