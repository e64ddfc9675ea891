// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/tables/ColumnDefinitions.h"

#include "suite/TextCatalogue.h"

namespace teska {

namespace {

// Builds one definition; the helpers mirror the notation of the tables:
// a number is an identifier, T(n) a text fetched at once.
class Builder {
public:
    Builder(ColumnDefinition& columns, const ColumnContext& context)
        : c_(columns)
        , x_(context)
    { }

    // Re-creates the arrays with the usual defaults: title 80079, the
    // row-number heading T(90000), every unit "[-]".
    void reset(int count)
    {
        bare(count);
        c_.ColumnCaptionIds[0] = 80079L;
        c_.ColumnSymbols[0] = T(90000);
        for (auto& unit : c_.ColumnUnits)
            unit = std::string("[-]");
    }
    // Re-creates the arrays empty.
    void bare(int count)
    {
        c_.ColumnCount = count;
        const auto n = static_cast<std::size_t>(count) + 1;
        c_.ColumnCaptionIds.assign(n, std::string());
        c_.ColumnSymbols.assign(n, std::string());
        c_.ColumnUnits.assign(n, std::string());
    }

    void title(CaptionEntry caption) { c_.ColumnCaptionIds[0] = std::move(caption); }
    void col(int i, CaptionEntry caption)
    {
        c_.ColumnCaptionIds.at(static_cast<std::size_t>(i)) = std::move(caption);
    }
    void col(int i, CaptionEntry caption, std::string symbol)
    {
        col(i, std::move(caption));
        sym(i, std::move(symbol));
    }
    void col(int i, CaptionEntry caption, std::string symbol, UnitEntry unit)
    {
        col(i, std::move(caption), std::move(symbol));
        this->unit(i, std::move(unit));
    }
    void sym(int i, std::string symbol)
    {
        c_.ColumnSymbols.at(static_cast<std::size_t>(i)) = std::move(symbol);
    }
    void unit(int i, UnitEntry unit) { c_.ColumnUnits.at(static_cast<std::size_t>(i)) = std::move(unit); }

    std::string T(long id) const { return x_.catalogue.LookupText(id); }
    std::string T16(long id) const { return x_.catalogue.LookupText(id, {16L}); }
    std::string axis1(long id) const
    {
        return x_.catalogue.LookupText(id, {48L, std::string("|1"), x_.catalogue.AxisName1()});
    }
    std::string axis2(long id) const
    {
        return x_.catalogue.LookupText(id, {48L, std::string("|1"), x_.catalogue.AxisName2()});
    }
    std::string axes(long id) const
    {
        return x_.catalogue.LookupText(id,
            {48L, std::string("|1"), x_.catalogue.AxisName1(), std::string("|2"), x_.catalogue.AxisName2()});
    }
    std::string symbol1(long id) const
    {
        return x_.catalogue.LookupText(id, {48L, std::string("|1"), x_.catalogue.AxisSymbol1()});
    }
    std::string symbol2(long id) const
    {
        return x_.catalogue.LookupText(id, {48L, std::string("|1"), x_.catalogue.AxisSymbol2()});
    }
    std::string u(long kind) const { return x_.UnitLabelNow ? x_.UnitLabelNow(kind) : std::string("[]"); }
    UnitEntry d(long kind) const { return kind; }
    std::string L() const { return x_.units.LengthUnit; }
    std::string L2() const { return x_.units.Length2Unit; }
    std::string F() const { return x_.units.ForceUnit; }
    std::string F2() const { return x_.units.Force2Unit; }
    std::string rotation() const { return T(75); }

    void coordinates(int first) { AddCoordinateColumns(c_, first, x_); }

private:
    ColumnDefinition& c_;
    const ColumnContext& x_;
};

void boreholeBlock(Builder& b, int count)
{
    b.reset(count);
    b.title(30046L);
    b.col(1, b.T16(30087), "BPN");
    b.col(2, b.axis1(10283), "Xb", b.L());
    b.col(3, b.axis2(10283), "Yb", b.L());
}

void defineLoadTable(Builder& b, long selector, int method)
{
    if (method == 21) {
        if (selector == 0) {
            b.reset(3);
            b.col(1, 80079L, b.T(90000));
            b.col(2, b.T(40087), "Pv", b.F());
            b.col(3, b.T(90077), "M", b.u(2));
        } else if (selector == 1) {
            b.reset(2);
            b.title(b.T(10085));
            b.col(1, b.T(40087), "Pd", b.u(4));
            b.col(2, b.T(10077), b.T(10086));
        }
        return;
    }
    if (method == 22) {
        b.reset(2);
        b.col(1, b.T(40087), "Pv", b.F());
        b.col(2, b.T(40087), "Ph", b.F());
        return;
    }
    switch (selector) {
    case 0:
        b.reset(4);
        b.title(10153L);
        b.col(1, 140105L, b.T(90000));
        b.col(2, 10023L, "P", b.F());
        b.coordinates(3);
        break;
    case 1:
    case 2:
        b.bare(3);
        b.title(90077L);
        b.sym(0, b.T(13));
        b.col(1, 90051L, selector == 1 ? "Mx" : "My", b.d(2));
        b.coordinates(2);
        break;
    case 3:
    case 4:
    case 5: {
        const int first = selector == 4 ? 2 : 3;
        b.reset(selector == 4 ? 5 : 6);
        b.title(10153L);
        if (selector == 3)
            b.col(1, 10060L, "Pl", b.d(4));
        else if (selector == 5)
            b.col(1, 10060L, "Ml", b.d(1));
        else
            b.col(1, 10023L, "P", b.d(0));
        if (selector != 4)
            b.col(2, 10061L);
        b.col(first, 10024L, b.T(10005), b.L());
        b.col(first + 1, 10024L, b.T(10007), b.L());
        b.col(first + 2, 10025L, b.T(10006), b.L());
        b.col(first + 3, 10025L, b.T(10008), b.L());
        break;
    }
    case 6:
        b.reset(3);
        b.title(10307L);
        b.col(1, 10023L, "P", b.d(0));
        b.coordinates(2);
        break;
    default:
        break;
    }
}

// The plate supports table and its plane-model variants.
void defineSupportTable(Builder& b, long selector, int method)
{
    if (method == 21 && selector == 1) {
        b.reset(2);
        b.col(1, b.T(10085), b.T(90000));
        b.col(2, b.T(10073), b.T(10086));
    } else if (method == 21 || method == 22) {
        b.reset(method == 21 ? 3 : 2);
        b.col(1, 90046L, "u", b.L2());
        b.col(2, 90046L, "v", b.L2());
        if (method == 21)
            b.col(3, 90046L, "Theta", b.rotation());
    } else {
        b.reset(4);
        b.col(1, 140105L, b.T(90000));
        b.col(2, 90046L, "w", b.L2());
        b.col(3, 90047L, "Theta y", b.rotation());
        b.col(4, 90047L, "Theta x", b.rotation());
    }
}

void beamColumns(Builder& b, long title, int count)
{
    b.reset(count);
    b.title(title);
    b.col(1, 10286L);
    b.col(2, 10287L);
}

// Returns false when the key has no definition.
bool define(Builder& b, long key, long selector, const ColumnContext& x)
{
    const int method = x.AnalysisMethod;
    switch (key) {
    case 138:
        b.reset(3);
        b.col(1, 90074L, "s", b.L2());
        b.col(2, 90159L, "su", b.L2());
        b.col(3, 90160L, "se", b.L2());
        return true;
    case 90098:
        if (method == 4) {
            b.reset(1);
            b.col(1, 90098L, "q", b.d(0));
        } else {
            b.reset(3);
            b.col(1, 90099L, "q", b.d(0));
            b.col(2, 90161L, "qu", b.d(0));
            b.col(3, 90162L, "qe", b.d(0));
        }
        return true;
    case 90048:
        b.reset(2);
        b.col(1, 40081L, "w", b.L2());
        b.col(2, 90098L, "q", b.d(0));
        return true;
    case 139:
        b.reset(3);
        b.col(1, 90046L, "w", b.L2());
        b.col(2, 90047L, "Theta y", b.rotation());
        b.col(3, 90047L, "Theta x", b.rotation());
        return true;
    case 140:
        b.reset(5);
        b.col(1, 90077L, "mx", b.d(1));
        b.col(2, 90077L, "my", b.d(1));
        b.col(3, 90077L, "mxy", b.d(1));
        b.col(4, 145L, "mh1", b.d(1));
        b.col(5, 145L, "mh2", b.d(1));
        return true;
    case 141:
        b.reset(2);
        b.col(1, 141L, "Qx", b.d(4));
        b.col(2, 141L, "Qy", b.d(4));
        return true;
    case 142:
        if (method == 21 || method == 22) {
            b.reset(method == 21 ? 3 : 2);
            b.col(1, b.T(142), "Rh", b.F());
            b.col(2, b.T(142), "Rv", b.F());
            if (method == 21)
                b.col(3, b.T(142), "M", b.d(2));
        } else {
            b.reset(3);
            b.col(1, b.T(40087) + "-V", "V", b.F());
            b.col(2, b.T(90077) + "-Y", "My", b.d(2));
            b.col(3, b.T(90077) + "-X", "Mx", b.d(2));
        }
        return true;
    case 90046:
        b.reset(method == 21 ? 3 : 2);
        b.col(1, 90046L, "u", b.L2());
        b.col(2, 90046L, "v", b.L2());
        if (method == 21)
            b.col(3, 90047L, "theta", b.rotation());
        return true;
    case 90183: {
        b.reset(6);
        b.col(1, b.axis1(140179), "Sigma_x");
        b.col(2, b.axis2(140179), "Sigma_y");
        b.col(3, b.axes(140180), "Tau_xy");
        b.col(4, b.T16(80009), "max_Tau");
        b.col(5, b.T16(80008), "max_Sigma");
        b.col(6, b.T16(80010), "min_Sigma");
        const std::string stress = b.u(0);
        for (int i = 1; i <= 6; ++i)
            b.unit(i, stress);
        return true;
    }
    case 90184:
        b.reset(6);
        b.col(1, b.axis1(140181), "Epsilon_x");
        b.col(2, b.axis2(140181), "Epsilon_y");
        b.col(3, b.axes(140182), "Gamma_xy");
        b.col(4, b.T16(80013), "max_Gamma");
        b.col(5, b.T16(80014), "max_Epsilon");
        b.col(6, b.T16(80015), "min_Epsilon");
        return true;
    case 90049:
        b.reset(4);
        b.col(1, b.symbol1(143), "As_topx", b.d(8));
        b.col(2, b.symbol1(144), "As_botx", b.d(8));
        b.col(3, b.symbol2(143), "As_topy", b.d(8));
        b.col(4, b.symbol2(144), "As_boty", b.d(8));
        return true;
    case 150:
        b.reset(1);
        b.col(1, 150L, "qul", b.d(0));
        return true;
    case 146:
        b.reset(1);
        b.col(1, 160038L, "ks", b.d(3));
        return true;
    case 90103:
        b.reset(2);
        b.col(1, 90103L, "St", b.L2());
        b.col(2, 90104L, "qt", b.d(0));
        return true;
    case 90163:
        b.reset(2);
        b.col(1, 90163L, "Se", b.L2());
        b.col(2, 140066L, "qn", b.d(0));
        return true;
    case 90105:
        b.reset(2);
        b.col(1, 90105L, "Ss", b.L2());
        b.col(2, 90106L, "qs", b.d(0));
        return true;
    case 80045:
        b.reset(11);
        b.col(1, 10023L, "Pc", b.F());
        b.coordinates(2);
        b.sym(2, "Xc");
        b.sym(3, "Yc");
        b.col(4, 10059L, "a", b.L());
        b.col(5, 10059L, "b", b.L());
        b.col(6, 80046L, "Qp", x.DesignCode == "ACI" ? UnitEntry(b.F2()) : UnitEntry(b.u(9)));
        b.col(7, 80047L, "Qo", b.u(0));
        b.col(8, 160006L, "PA", b.u(7));
        b.col(9, 160040L, "AL", b.L());
        b.col(10, 80048L, "Dp", b.L());
        b.col(11, 80049L, "Rpa", std::string("[%]"));
        return true;
    case 80006:
        beamColumns(b, 10085L, 4);
        b.col(3, 80006L, "Nl", b.F());
        b.col(4, 80006L, "Nr", b.F());
        return true;
    case 160010:
        beamColumns(b, 10085L, 3);
        b.col(3, 90077L, "mt", b.d(2));
        return true;
    case 160008:
        beamColumns(b, 10085L, 4);
        b.col(3, 90077L, "ml", b.d(2));
        b.col(4, 90077L, "mr", b.d(2));
        return true;
    case 160009:
        beamColumns(b, 10085L, 4);
        b.col(3, 141L, "Ql", b.F());
        b.col(4, 141L, "Qr", b.F());
        return true;
    case 140019:
        b.reset(6);
        b.title(60006L);
        b.col(1, 90165L, "Dz", b.L());
        b.col(2, 140065L, "SE", b.d(0));
        b.col(3, 140066L, "SD", b.d(0));
        b.col(4, 90164L, "SU=SE+SD", b.d(0));
        b.col(5, 140067L, "SV", b.d(0));
        b.col(6, 90166L, "SU/SV", std::string("[-]"));
        return true;
    case 400165:
        b.reset(3);
        b.title(400022L);
        b.col(1, 40078L, "Fr", b.F2());
        b.col(2, 40081L, "Sr", b.L2());
        b.col(3, 400088L, "ks", b.u(4));
        return true;
    case 140164:
        boreholeBlock(b, 4);
        b.col(4, 150L, "qb", b.d(0));
        return true;
    case 90060:
        boreholeBlock(b, 4);
        b.col(4, 160038L, "ksm", b.d(3));
        return true;
    case 140162:
        boreholeBlock(b, method == 3 ? 5 : 3);
        if (method == 3) {
            b.col(4, 160038L, "ks", b.d(3));
            b.col(5, 150L, "qul", b.d(0));
        }
        return true;
    // Data tables.
    case 90054:
        b.reset(2);
        b.coordinates(1);
        return true;
    case 90055:
        b.bare(5);
        b.title(90149L);
        for (int i = 1; i <= 4; ++i)
            b.col(i, std::to_string(i) + "." + b.T16(10033));
        b.col(5, 90005L);
        return true;
    case 60005:
        defineSupportTable(b, selector, method);
        return true;
    case 140015:
        b.reset(4);
        b.col(1, 140105L, b.T(90000));
        b.col(2, 80060L, " kz", b.L2());
        b.col(3, 80062L, " ktx", b.d(10));
        b.col(4, 80062L, " kty", b.d(10));
        return true;
    case 10032:
        if (selector == 0) {
            b.reset(5);
            b.title(10017L);
            b.col(1, 10091L, "E", b.d(0));
            b.col(2, 10092L, "G", b.d(0));
            if (x.BeamDimensions) {
                b.col(3, 90157L, "h", b.L());
                b.col(4, 90158L, "b", b.L());
            } else {
                b.col(3, 10093L, "I", b.d(5));
                b.col(4, 10094L, "J", b.d(5));
            }
            b.col(5, 10095L, "pb", b.d(4));
            return true;
        }
        if (selector == 1) {
            beamColumns(b, 13L, 3);
            b.col(3, 10017L);
            return true;
        }
        return false;
    case 90073:
        if (selector == 1) {
            b.bare(2);
            b.col(1, 30046L);
            b.col(2, 30087L);
            return true;
        }
        if (selector == 0 || selector == 2) {
            b.bare(4);
            b.col(1, selector == 0 ? b.T16(30044) : b.T(30044));
            const char* layers[] = {" I", " II", " III"};
            for (int i = 0; i < 3; ++i)
                b.col(i + 2, b.T(10036) + layers[i] + "\n" + b.T(30046));
            return true;
        }
        return false;
    case 140169:
        defineLoadTable(b, selector, method);
        return true;
    case 60004:
        b.bare(1);
        b.title(90181L);
        b.col(1, 160028L);
        return true;
    case 60003:
        b.reset(1);
        b.col(1, 120064L, "Ss", b.L2());
        return true;
    default:
        break;
    }
    if (key == 140176 || (x.TermId != 0 && key == x.TermId)) {
        b.reset(3);
        b.title(10017L);
        b.col(1, 10303L, "Ep", b.d(0));
        b.col(2, 90004L, "Nue");
        b.col(3, 140016L, "d", b.L());
        return true;
    }
    return false;
}

} // namespace

void DefineListColumns(
    ColumnDefinition& columns, const ListKey& key, long selector, const ColumnContext& context)
{
    Builder b(columns, context);
    if (selector == SideTableSelector) {
        b.reset(2);
        b.title(10017L);
        b.col(1, 10059L, "a", b.L());
        b.col(2, 10059L, "b", b.L());
        return;
    }
    const long* id = std::get_if<long>(&key);
    if (!id)
        return;
    // Build into a copy so that a key without a definition changes nothing.
    ColumnDefinition fresh = columns;
    Builder into(fresh, context);
    if (define(into, *id, selector, context))
        columns = std::move(fresh);
}

void AddCoordinateColumns(ColumnDefinition& columns, int c, const ColumnContext& context)
{
    Builder b(columns, context);
    b.col(c, b.axis1(90001), context.catalogue.AxisSymbol1(), context.units.LengthUnit);
    b.col(c + 1, b.axis2(90001), context.catalogue.AxisSymbol2(), context.units.LengthUnit);
}

namespace {

struct FormatChoice {
    int valueSlot = 0; // 0: key not in the table
    int secondSlot = 0; // 0: the empty format
    int fromColumn = 0; // 0: second format unchanged and unused
};

FormatChoice formatChoice(const ListKey& key)
{
    const long* id = std::get_if<long>(&key);
    if (!id) {
        const std::string& text = std::get<std::string>(key);
        for (const char* suffix : {" [Ce]", " [Cw]", " [ks]"})
            if (text.ends_with(suffix))
                return {17, 0, 0};
        return {};
    }
    switch (*id) {
    case 90103:
    case 90163:
    case 90105:
    case 90048:
        return {2, 3, 2};
    case 139:
        return {2, 0, 2};
    case 90046:
        return {2, 0, 3};
    case 138:
        return {2, 0, 0};
    case 90098:
    case 150:
    case 90183:
        return {3, 0, 0};
    case 140:
    case 160010:
    case 160008:
        return {4, 0, 0};
    case 141:
    case 160009:
    case 80006:
        return {5, 0, 0};
    case 142:
        return {6, 0, 0};
    case 146:
        return {7, 0, 0};
    case 90049:
        return {8, 0, 0};
    case 90184:
        return {10, 0, 0};
    default:
        return {};
    }
}

} // namespace

void ChooseResultFormats(const ListKey& key, std::span<const std::string> slots, std::string& valueFormat,
    std::string& secondFormat)
{
    const FormatChoice choice = formatChoice(key);
    auto slot = [&](int i) {
        return static_cast<std::size_t>(i) < slots.size() ? slots[static_cast<std::size_t>(i)]
                                                          : std::string();
    };
    if (choice.valueSlot == 0)
        return;
    valueFormat = slot(choice.valueSlot);
    if (choice.fromColumn > 0)
        secondFormat = choice.secondSlot == 0 ? std::string() : slot(choice.secondSlot);
}

int SecondFormatColumn(const ListKey& key)
{
    return formatChoice(key).fromColumn;
}

bool HasNodeNumberColumns(const ListKey& key)
{
    const long* id = std::get_if<long>(&key);
    return id && (*id == 80006 || *id == 160010 || *id == 160008 || *id == 160009);
}

bool IsSummarySection(const ListKey& key)
{
    const long* id = std::get_if<long>(&key);
    return id && (*id == 90050 || *id == 140164 || *id == 90060 || *id == 140019 || *id == 400165);
}

} // namespace teska
