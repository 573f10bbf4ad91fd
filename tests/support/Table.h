// Value tables under tests/data: one row a line, fields separated by "|", "#" lines and blank
// lines skipped. In a field \t, \n, \r, \| , \\ and \xHH stand for the byte; {N*c} for N
// copies of the character c (the texts pasted into windows are long).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

struct Row {
    int line = 0; // in the file, for the failure message
    std::vector<std::string> field;
    const std::string& operator[](std::size_t i) const { return field.at(i); }
    int Int(std::size_t i) const { return std::atoi(field.at(i).c_str()); }
};

inline std::string Unescape(const std::string& raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        const auto close = raw.find('}', i);
        const auto star = raw.find('*', i);
        if (c == '{' && close != std::string::npos && star < close && star + 2 == close) {
            out.append(std::stoul(raw.substr(i + 1, star - i - 1)), raw[star + 1]);
            i = close;
        } else if (c != '\\' || i + 1 == raw.size()) {
            out += c;
        } else if (const char e = raw[++i]; e == 'x') {
            out += static_cast<char>(std::stoi(raw.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e == '0' ? '\0' : e;
        }
    }
    return out;
}

// The rows of tests/data/<name>; a missing file fails the test that reads it.
inline std::vector<Row> Table(const std::string& name) {
    std::ifstream file(std::string(ORV_TEST_DATA) + "/" + name);
    EXPECT_TRUE(file.is_open()) << name;
    std::vector<Row> rows;
    std::string text;
    for (int number = 1; std::getline(file, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        Row row{number, {}};
        std::string raw;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == '|') {
                row.field.push_back(Unescape(raw));
                raw.clear();
            } else {
                raw += text[i];
                if (text[i] == '\\' && i + 1 < text.size()) raw += text[++i];
            }
        }
        rows.push_back(std::move(row));
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}
