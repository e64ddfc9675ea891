// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the moments list: parse the three moment files of a
// project (.PH3 mx, .PH4 my, .PH5 mxy, one number per field) and print
// the five columns (mx, my, mxy and the principal moments m1, m2) with the
// row number, nothing else. Built and run by run-bench.sh only.
//
//   parse_print BASE      reads BASE.PH3, BASE.PH4, BASE.PH5

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<float> ReadValues(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "parse_print: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> values;
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: parse_print BASE\n");
        return 2;
    }
    const std::string base = argv[1];
    const std::vector<float> mx = ReadValues(base + ".PH3");
    const std::vector<float> my = ReadValues(base + ".PH4");
    const std::vector<float> mxy = ReadValues(base + ".PH5");
    const std::size_t n = std::min({mx.size(), my.size(), mxy.size()});
    for (std::size_t i = 0; i < n; ++i) {
        const float m = (mx[i] + my[i]) / 2;
        const float d = (mx[i] - my[i]) / 2;
        const float r = std::sqrt(d * d + mxy[i] * mxy[i]);
        std::printf("%zu %.2f %.2f %.2f %.2f %.2f\n", i + 1, mx[i], my[i], mxy[i], m + r, m - r);
    }
    return 0;
}
