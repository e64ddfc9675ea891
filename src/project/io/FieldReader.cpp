// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/io/FieldReader.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>

#include "project/io/WholeFile.h"
#include "suite/Errors.h"
#include "suite/TextDecoding.h"

namespace teska {

namespace {

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
inline bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}
inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// The field as quoted in a message: at most 40 bytes, cut at a character.
std::string shown(std::string_view text)
{
    if (text.size() <= 40)
        return std::string(text);
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}

enum class Parse { Ok, NotANumber, Overflow };

// &H and &O literals: up to 4 digits give a 16-bit, up to 8 (hex) or 11
// (octal) a 32-bit signed value, as the VB literals do.
Parse parseRadix(std::string_view text, double& value)
{
    const int base = lower(text[1]) == 'h' ? 16 : 8;
    std::string_view digits = text.substr(2);
    if (!digits.empty() && digits.back() == '&')
        digits.remove_suffix(1);
    if (digits.empty() || digits.size() > 11)
        return Parse::NotANumber;
    std::uint64_t raw = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), raw, base);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return Parse::NotANumber;
    if (raw > 0xFFFFFFFFu)
        return Parse::Overflow;
    if (raw <= 0xFFFF && digits.size() <= (base == 16 ? 4u : 6u))
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(raw));
    else
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
    return Parse::Ok;
}

// A VB number: [+-] digits [. digits] [E|D [+-] digits], or .5, 5., &H1F,
// #TRUE# (-1) and #FALSE# (0); the empty field is 0.
template <typename Real> Parse parseReal(std::string_view text, Real& value)
{
    if (text.empty()) {
        value = 0;
        return Parse::Ok;
    }
    if (text.size() > 2 && text[0] == '&' && (lower(text[1]) == 'h' || lower(text[1]) == 'o')) {
        double radix = 0;
        const Parse result = parseRadix(text, radix);
        value = static_cast<Real>(radix);
        return result;
    }
    if (text[0] == '#') {
        if (equalsNoCase(text, "#TRUE#")) {
            value = -1;
            return Parse::Ok;
        }
        if (equalsNoCase(text, "#FALSE#")) {
            value = 0;
            return Parse::Ok;
        }
        return Parse::NotANumber;
    }
    // Check the form and estimate the decimal exponent (for telling overflow
    // from underflow when the conversion is out of range).
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (text[0] == '+' || text[0] == '-')
        ++i;
    std::size_t digits = 0, significantInt = 0, leadingFracZeros = 0;
    bool seenNonZero = false;
    while (i < n && isDigit(text[i])) {
        seenNonZero = seenNonZero || text[i] != '0';
        if (seenNonZero)
            ++significantInt;
        ++digits, ++i;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            if (!seenNonZero && text[i] == '0')
                ++leadingFracZeros;
            seenNonZero = seenNonZero || text[i] != '0';
            ++digits, ++i;
        }
    }
    if (digits == 0)
        return Parse::NotANumber;
    long exponent = 0;
    std::size_t exponentMark = std::string_view::npos;
    if (i < n && (lower(text[i]) == 'e' || lower(text[i]) == 'd')) {
        exponentMark = i++;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        if (i == n)
            return Parse::NotANumber;
        while (i < n && isDigit(text[i])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negative)
            exponent = -exponent;
    }
    if (i != n)
        return Parse::NotANumber;
    // from_chars takes no leading '+' and no 'D' exponent.
    std::string_view convert = text[0] == '+' ? text.substr(1) : text;
    std::string copy;
    if (exponentMark != std::string_view::npos && lower(text[exponentMark]) == 'd') {
        copy.assign(convert);
        copy[exponentMark - (text.size() - convert.size())] = 'E';
        convert = copy;
    }
    const auto [end, ec] = std::from_chars(convert.data(), convert.data() + convert.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const long magnitude
            = (significantInt > 0 ? long(significantInt) : -long(leadingFracZeros)) + exponent;
        if (magnitude > 0)
            return Parse::Overflow;
        value = text[0] == '-' ? -Real(0) : Real(0);
        return Parse::Ok;
    }
    if (ec != std::errc() || end != convert.data() + convert.size())
        return Parse::NotANumber;
    return Parse::Ok;
}

// Rounds half to even, as VB does when it stores a real into a whole number.
double roundHalfEven(double x)
{
    const double floor = std::floor(x);
    const double diff = x - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// A plain real such as "-12.5" or "1.5E-03" (the common field) in one pass:
// whatever std::from_chars takes whole, starting with a digit or a point,
// the full grammar of parseReal takes too, with the same value. Anything
// else, and a value out of range, is left to parseReal.
template <typename Real> bool plainReal(std::string_view text, Real& value)
{
    if (text.empty())
        return false;
    const char lead = text[0] == '-' && text.size() > 1 ? text[1] : text[0];
    if (!isDigit(lead) && lead != '.')
        return false;
    const char* const end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && stop == end;
}

// A plain decimal whole number (the common case) without the real parser.
bool plainWhole(std::string_view text, long long& value)
{
    if (text.empty() || text.size() > 18)
        return false;
    std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (i == text.size())
        return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!isDigit(text[k]))
            return false;
    std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (text[0] == '-')
        value = -value;
    return true;
}

} // namespace

FieldReader FieldReader::FromFile(const std::string& path)
{
    return FieldReader(path, ReadWholeFile(path));
}

FieldReader::FieldReader(std::string name, std::string content)
    : name_(std::move(name))
{
    if (IsValidUtf8(content)) {
        content_ = std::move(content);
        if (content_.compare(0, 3, "\xEF\xBB\xBF") == 0)
            pos_ = 3;
    } else {
        content_ = DecodeSuiteText(content);
    }
    dataEnd_ = content_.size();
    while (dataEnd_ > pos_ && (isBlank(content_[dataEnd_ - 1]) || isLineEnd(content_[dataEnd_ - 1])))
        --dataEnd_;
}

void FieldReader::pastEnd() const
{
    throw FileFormatError(name_, line_, fieldOnLine_ + 1, 0, "input past end of file");
}

void FieldReader::fail(const std::string& expectation) const
{
    throw FileFormatError(name_, fieldLine_, fieldIndex_, 0, expectation);
}

void FieldReader::beginField()
{
    fieldLine_ = line_;
    fieldIndex_ = ++fieldOnLine_;
}

void FieldReader::skipBlanks()
{
    while (pos_ < content_.size() && isBlank(content_[pos_]))
        ++pos_;
}

void FieldReader::consumeLineEnd()
{
    if (content_[pos_++] == '\r' && pos_ < content_.size() && content_[pos_] == '\n')
        ++pos_;
    ++line_;
    fieldOnLine_ = 0;
}

void FieldReader::endField()
{
    skipBlanks();
    if (pos_ < content_.size()) {
        if (content_[pos_] == ',')
            ++pos_;
        else if (isLineEnd(content_[pos_]))
            consumeLineEnd();
    }
}

void FieldReader::skipRestOfField()
{
    while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_]))
        ++pos_;
    if (pos_ < content_.size()) {
        if (content_[pos_] == ',')
            ++pos_;
        else
            consumeLineEnd();
    }
}

std::string_view FieldReader::quotedField()
{
    const std::size_t start = ++pos_;
    std::size_t stop = start;
    while (stop < content_.size() && content_[stop] != '"' && !isLineEnd(content_[stop]))
        ++stop;
    const std::string_view text(content_.data() + start, stop - start);
    pos_ = stop < content_.size() && content_[stop] == '"' ? stop + 1 : stop;
    skipRestOfField();
    return text;
}

std::string_view FieldReader::numberField()
{
    const std::size_t size = content_.size();
    for (;;) {
        skipBlanks();
        if (pos_ >= size)
            pastEnd();
        if (!isLineEnd(content_[pos_]))
            break;
        consumeLineEnd();
    }
    beginField();
    const char first = content_[pos_];
    if (first == ',') {
        ++pos_;
        return {};
    }
    if (first == '"')
        return quotedField();
    const std::size_t start = pos_;
    while (pos_ < size) {
        const char c = content_[pos_];
        if (c == ',' || isBlank(c) || isLineEnd(c))
            break;
        ++pos_;
    }
    const std::string_view text(content_.data() + start, pos_ - start);
    endField();
    return text;
}

std::string FieldReader::LineInput()
{
    const std::size_t size = content_.size();
    if (pos_ >= size)
        pastEnd();
    const std::size_t start = pos_;
    while (pos_ < size && !isLineEnd(content_[pos_]))
        ++pos_;
    std::string text(content_, start, pos_ - start);
    if (pos_ < size)
        consumeLineEnd();
    else
        fieldOnLine_ = 0;
    return text;
}

std::string FieldReader::ReadString()
{
    skipBlanks();
    const std::size_t size = content_.size();
    if (pos_ >= size)
        pastEnd();
    beginField();
    const char first = content_[pos_];
    if (first == ',') {
        ++pos_;
        return {};
    }
    if (isLineEnd(first)) {
        consumeLineEnd();
        return {};
    }
    if (first == '"')
        return std::string(quotedField());
    const std::size_t start = pos_;
    while (pos_ < size && content_[pos_] != ',' && !isLineEnd(content_[pos_]))
        ++pos_;
    std::size_t stop = pos_;
    while (stop > start && isBlank(content_[stop - 1]))
        --stop;
    endField();
    return std::string(content_, start, stop - start);
}

namespace {

template <typename Whole, typename Fail>
Whole readWhole(std::string_view text, const char* bits, const Fail& fail)
{
    constexpr long long lowest = std::numeric_limits<Whole>::min();
    constexpr long long highest = std::numeric_limits<Whole>::max();
    long long plain = 0;
    if (plainWhole(text, plain)) {
        if (plain < lowest || plain > highest)
            fail("overflow: " + shown(text) + " does not fit a " + bits + " whole number");
        return static_cast<Whole>(plain);
    }
    double value = 0;
    const Parse result = parseReal(text, value);
    if (result == Parse::NotANumber)
        fail("a whole number was expected, found '" + shown(text) + "'");
    const double rounded = result == Parse::Ok ? roundHalfEven(value) : HUGE_VAL;
    if (!(rounded >= double(lowest) && rounded <= double(highest)))
        fail("overflow: " + shown(text) + " does not fit a " + bits + " whole number");
    return static_cast<Whole>(rounded);
}

} // namespace

std::int16_t FieldReader::ReadInt16()
{
    const std::string_view text = numberField();
    return readWhole<std::int16_t>(text, "16-bit", [this](const std::string& e) { fail(e); });
}

std::int32_t FieldReader::ReadInt32()
{
    const std::string_view text = numberField();
    return readWhole<std::int32_t>(text, "32-bit", [this](const std::string& e) { fail(e); });
}

bool FieldReader::plainSingleField(float& value)
{
    // One value a line or after a comma (the result files): the field starts
    // after blanks on the current line, and std::from_chars finds its end,
    // which must be where the field ends.
    const char* const data = content_.data();
    const char* const end = data + content_.size();
    const char* at = data + pos_;
    while (at != end && isBlank(*at))
        ++at;
    if (at == end)
        return false;
    const char lead = *at == '-' && at + 1 != end ? at[1] : *at;
    if (!isDigit(lead) && lead != '.')
        return false;
    const auto [stop, ec] = std::from_chars(at, end, value);
    if (ec != std::errc() || (stop != end && *stop != ',' && !isBlank(*stop) && !isLineEnd(*stop)))
        return false;
    beginField();
    pos_ = static_cast<std::size_t>(stop - data);
    endField();
    return true;
}

float FieldReader::ReadSingle()
{
    float fast = 0;
    if (plainSingleField(fast))
        return fast;
    const std::string_view text = numberField();
    float value = 0;
    if (plainReal(text, value))
        return value;
    switch (parseReal(text, value)) {
    case Parse::Ok:
        return value;
    case Parse::Overflow:
        fail("overflow: " + shown(text) + " does not fit a single-precision number");
    case Parse::NotANumber:
        break;
    }
    fail("a number was expected, found '" + shown(text) + "'");
}

double FieldReader::ReadDouble()
{
    const std::string_view text = numberField();
    double value = 0;
    switch (parseReal(text, value)) {
    case Parse::Ok:
        return value;
    case Parse::Overflow:
        fail("overflow: " + shown(text) + " does not fit a double-precision number");
    case Parse::NotANumber:
        break;
    }
    fail("a number was expected, found '" + shown(text) + "'");
}

bool FieldReader::ReadBool()
{
    const std::string_view text = numberField();
    if (equalsNoCase(text, "#TRUE#") || equalsNoCase(text, "True"))
        return true;
    if (equalsNoCase(text, "#FALSE#") || equalsNoCase(text, "False"))
        return false;
    double value = 0;
    if (parseReal(text, value) == Parse::NotANumber)
        fail("True or False was expected, found '" + shown(text) + "'");
    return value != 0;
}

// ---- FieldWriter

FieldWriter::FieldWriter(std::string path)
    : path_(std::move(path))
    , temporary_(TemporaryPathFor(path_))
{
    std::FILE* file = std::fopen(temporary_.c_str(), "wb");
    if (!file)
        throw FileAccessError(path_, "cannot be written");
    std::fclose(file);
}

FieldWriter::~FieldWriter()
{
    if (!closed_)
        std::remove(temporary_.c_str());
}

FieldWriter::FieldWriter(FieldWriter&& other) noexcept
    : path_(std::move(other.path_))
    , temporary_(std::move(other.temporary_))
    , buffer_(std::move(other.buffer_))
    , closed_(other.closed_)
{
    other.closed_ = true;
}

FieldWriter& FieldWriter::operator=(FieldWriter&& other) noexcept
{
    if (this != &other) {
        if (!closed_)
            std::remove(temporary_.c_str());
        path_ = std::move(other.path_);
        temporary_ = std::move(other.temporary_);
        buffer_ = std::move(other.buffer_);
        closed_ = other.closed_;
        other.closed_ = true;
    }
    return *this;
}

void FieldWriter::PrintLine(std::string_view text)
{
    buffer_.append(text);
    buffer_.append("\r\n");
}

void FieldWriter::WriteFields(std::initializer_list<std::string_view> quotedOrNumbers)
{
    bool first = true;
    for (const auto item : quotedOrNumbers) {
        if (!first)
            buffer_ += ',';
        buffer_.append(item);
        first = false;
    }
    buffer_.append("\r\n");
}

std::string FieldWriter::Quote(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted.append(text);
    quoted += '"';
    return quoted;
}

std::string FieldWriter::Number(double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

void FieldWriter::Close()
{
    if (closed_)
        return;
    closed_ = true;
    ReplaceFileWith(temporary_, path_, buffer_);
}

} // namespace teska
