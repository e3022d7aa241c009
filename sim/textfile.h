#pragma once
// Line-oriented reader for kxsim's data files (stack, models, objects).
//
// A line is split into tokens at blanks. A token in double quotes keeps its
// blanks (the quotes stay part of the token so values can tell text from
// numbers), and a group in braces "{...}" or parentheses "(...)" is one token.
// '#' outside quotes starts a comment; blank lines are skipped.
#include <string>
#include <vector>

namespace kxsim {

struct TextLine {
    int Number = 0;                  // 1-based line number in the file
    std::vector<std::string> Tokens;
};

// Reads and tokenizes a whole file. False with *error set when the file
// cannot be read or a quote or bracket is left open.
bool ReadTextLines(const std::string& path, std::vector<TextLine>* lines, std::string* error);

// Tokenizes one line (used by ReadTextLines and by option parsing).
bool TokenizeLine(const std::string& line, std::vector<std::string>* tokens, std::string* error);

// Removes one pair of surrounding double quotes and resolves \" and \\.
std::string Unquote(const std::string& token);
bool IsQuoted(const std::string& token);

// "1-4,7,9-10" -> {1,2,3,4,7,9,10}. False on malformed text or a number
// outside [low, high].
bool ParseNumberList(const std::string& text, int low, int high, std::vector<int>* numbers);

// Strict decimal conversions (the whole text must be a number).
bool ParseLong(const std::string& text, long long* value);
bool ParseUnsigned(const std::string& text, unsigned long long* value);

} // namespace kxsim
