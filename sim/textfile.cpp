#include "textfile.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <set>

namespace kxsim {

bool TokenizeLine(const std::string& line, std::vector<std::string>* tokens, std::string* error) {
    tokens->clear();
    size_t i = 0;
    const size_t n = line.size();
    while (i < n) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string token;
        // A token runs to the next blank outside quotes and brackets.
        char close = 0;
        bool quoted = false;
        while (i < n) {
            const char d = line[i];
            if (quoted) {
                token += d;
                if (d == '\\' && i + 1 < n) {
                    token += line[++i];
                } else if (d == '"') {
                    quoted = false;
                }
                ++i;
                continue;
            }
            if (close) {
                token += d;
                if (d == close) close = 0;
                ++i;
                continue;
            }
            if (d == ' ' || d == '\t' || d == '\r') break;
            if (d == '#' && token.empty()) break;
            if (d == '"') quoted = true;
            else if (d == '{') close = '}';
            else if (d == '(') close = ')';
            token += d;
            ++i;
        }
        if (quoted || close) {
            *error = quoted ? "unterminated quote" : std::string("missing '") + close + "'";
            return false;
        }
        if (!token.empty()) tokens->push_back(token);
    }
    return true;
}

bool ReadTextLines(const std::string& path, std::vector<TextLine>* lines, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        *error = path + ": cannot read";
        return false;
    }
    lines->clear();
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        TextLine line;
        line.Number = number;
        std::string why;
        if (!TokenizeLine(text, &line.Tokens, &why)) {
            *error = path + ":" + std::to_string(number) + ": " + why;
            return false;
        }
        if (!line.Tokens.empty()) lines->push_back(std::move(line));
    }
    return true;
}

bool IsQuoted(const std::string& token) {
    return token.size() >= 2 && token.front() == '"' && token.back() == '"';
}

std::string Unquote(const std::string& token) {
    if (!IsQuoted(token)) return token;
    std::string out;
    for (size_t i = 1; i + 1 < token.size(); ++i) {
        if (token[i] == '\\' && i + 2 < token.size()) ++i;
        out += token[i];
    }
    return out;
}

bool ParseLong(const std::string& text, long long* value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return false;
    *value = v;
    return true;
}

bool ParseUnsigned(const std::string& text, unsigned long long* value) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return false;
    *value = v;
    return true;
}

bool ParseNumberList(const std::string& text, int low, int high, std::vector<int>* numbers) {
    numbers->clear();
    std::set<int> seen;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (part.empty()) return false;
        long long a = 0, b = 0;
        size_t dash = part.find('-', 1);
        if (dash == std::string::npos) {
            if (!ParseLong(part, &a)) return false;
            b = a;
        } else if (!ParseLong(part.substr(0, dash), &a) || !ParseLong(part.substr(dash + 1), &b) || b < a) {
            return false;
        }
        if (a < low || b > high) return false;
        for (long long v = a; v <= b; ++v)
            if (seen.insert(static_cast<int>(v)).second) numbers->push_back(static_cast<int>(v));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

} // namespace kxsim
