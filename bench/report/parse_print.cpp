// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the moments list: parse the three moment files of a
// project (.PH3 mx, .PH4 my, .PH5 mxy, one number per field) and print
// the five columns (mx, my, mxy and the principal moments m1, m2) with the
// row number, nothing else. The fastest standard routines on both ends:
// std::from_chars to read, std::to_chars (fixed, two decimals) to write,
// everything into one buffer that goes out with one fwrite. Built and run by
// run-bench.sh only.
//
//   parse_print BASE [ROW_BYTES]   reads BASE.PH3, BASE.PH4, BASE.PH5
//
// With ROW_BYTES each row is right-aligned with leading blanks into a line
// of ROW_BYTES bytes ending with CR LF: the floor writing as many bytes as
// the paged list, to tell the cost of the bytes from that of the numbers.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        std::fprintf(stderr, "parse_print: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    std::string text;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    text.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    if (!text.empty() && std::fread(text.data(), 1, text.size(), file) != text.size()) {
        std::fprintf(stderr, "parse_print: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(file);
    return text;
}

std::vector<float> ReadValues(const std::string& path)
{
    const std::string text = ReadFile(path);
    std::vector<float> values;
    values.reserve(text.size() / 4);
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        while (p < end && (*p == ' ' || *p == ',' || *p == '\r' || *p == '\n' || *p == '\t'))
            ++p;
        if (p == end)
            break;
        float v = 0;
        const auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc()) {
            std::fprintf(
                stderr, "parse_print: %s: not a number at byte %td\n", path.c_str(), p - text.data());
            std::exit(1);
        }
        values.push_back(v);
        p = next;
    }
    return values;
}

constexpr std::size_t RowRoomMax = 21 + 5 * 44 + 2;

char* PutFixed(char* out, char* end, float value)
{
    *out++ = ' ';
    return std::to_chars(out, end, value, std::chars_format::fixed, 2).ptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: parse_print BASE [ROW_BYTES]\n");
        return 2;
    }
    const std::string base = argv[1];
    const std::size_t rowBytes = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 0;
    const std::vector<float> mx = ReadValues(base + ".PH3");
    const std::vector<float> my = ReadValues(base + ".PH4");
    const std::vector<float> mxy = ReadValues(base + ".PH5");
    const std::size_t n = std::min({mx.size(), my.size(), mxy.size()});
    // A row: the number (at most 20 digits) and five fields of at most
    // 1 + 1 + 39 + 1 + 2 characters (a float's integer part has 39 digits).
    const std::size_t RowRoom = std::max<std::size_t>(21 + 5 * 44 + 2, rowBytes);
    // Not initialised: only the pages written to become resident.
    const std::unique_ptr<char[]> text(new char[n * RowRoom + 1]);
    char* out = text.get();
    char* const end = out + n * RowRoom + 1;
    char row[RowRoomMax];
    for (std::size_t i = 0; i < n; ++i) {
        char* const line = out;
        char* const limit = rowBytes > 0 ? row + sizeof row : end;
        if (rowBytes > 0)
            out = row;
        const float m = (mx[i] + my[i]) / 2;
        const float d = (mx[i] - my[i]) / 2;
        const float r = std::sqrt(d * d + mxy[i] * mxy[i]);
        out = std::to_chars(out, limit, i + 1).ptr;
        out = PutFixed(out, limit, mx[i]);
        out = PutFixed(out, limit, my[i]);
        out = PutFixed(out, limit, mxy[i]);
        out = PutFixed(out, limit, m + r);
        out = PutFixed(out, limit, m - r);
        if (rowBytes == 0) {
            *out++ = '\n';
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(out - row);
        const std::size_t blanks = rowBytes > length + 2 ? rowBytes - length - 2 : 0;
        std::memset(line, ' ', blanks);
        std::memcpy(line + blanks, row, length);
        out = line + blanks + length;
        *out++ = '\r';
        *out++ = '\n';
    }
    const std::size_t size = static_cast<std::size_t>(out - text.get());
    if (std::fwrite(text.get(), 1, size, stdout) != size) {
        std::fprintf(stderr, "parse_print: cannot write\n");
        return 1;
    }
    return 0;
}
