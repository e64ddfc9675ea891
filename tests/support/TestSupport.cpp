// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestSupport.h"

#include <algorithm>

#include <sys/wait.h>

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace teska::test {

ScratchDir::ScratchDir()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path()
        / ("teska-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& content)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

CommandResult RunCommand(
    const std::string& program, const std::vector<std::string>& args, const ScratchDir& scratch, int seconds)
{
    auto quote = [](const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    std::string command = "timeout " + std::to_string(seconds) + " " + quote(program);
    for (const std::string& a : args)
        command += " " + quote(a);
    const std::string out = scratch.file(".stdout"), err = scratch.file(".stderr");
    command += " >" + quote(out) + " 2>" + quote(err) + " </dev/null";
    const int raw = std::system(command.c_str());
    CommandResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return r;
}

std::string dataPath(const std::string& relative)
{
    return std::string(TESKA_TEST_DATA_DIR) + "/" + relative;
}

std::vector<std::vector<std::string>> TableRows(const std::string& relative, std::size_t fields)
{
    std::ifstream table(dataPath(relative));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            row.push_back(cell);
        row.resize(std::max(row.size(), fields));
    }
    return rows;
}

std::string Unescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            continue;
        }
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

std::string compareWithExpected(const std::string& relative, const std::string& actual)
{
    const std::string path = dataPath(relative);
    const char* update = std::getenv("TESKA_UPDATE_EXPECTED");
    if (update && std::string(update) == "1") {
        writeFile(path, actual);
        return {};
    }
    std::string expected;
    try {
        expected = readFile(path);
    } catch (const std::exception& e) {
        return e.what();
    }
    return FirstDifference(expected, actual);
}

std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return {};
    std::istringstream a(actual), b(expected);
    std::string la, lb;
    for (int line = 1;; ++line) {
        const bool ha = static_cast<bool>(std::getline(a, la));
        const bool hb = static_cast<bool>(std::getline(b, lb));
        if (!ha && !hb)
            return "the texts differ only in line ends";
        if (la != lb || ha != hb)
            return "line " + std::to_string(line) + ": expected [" + (hb ? lb : "<end>") + "] got ["
                + (ha ? la : "<end>") + "]";
    }
}

void ExpectAsStored(const std::string& actual, const std::string& suffix)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name() + suffix;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.')
            c = '_';
    EXPECT_EQ(compareWithExpected("expected/" + name + ".txt", actual), "") << "expected/" << name << ".txt";
}

} // namespace teska::test
