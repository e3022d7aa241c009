#include "kvexpression.h"

#include "kvdatetime.h"
#include "kvmessages.h"
#include "kvtextnumbers.h"

namespace {

constexpr size_t npos = std::string::npos;

// Nesting deeper than this (parentheses, or operator chains, which recurse on
// their right part) is not evaluated: arithmetic reads it as 0, a condition
// raises the bad-operand error. Real expressions stay far below it; the limit
// keeps a hostile text from exhausting the stack.
constexpr int kMaxDepth = 1000;

// The first pair of double quotes: the first quote and the next one after it.
// Characters strictly between them are not operators.
struct QuotePair {
    size_t open = npos;
    size_t close = npos;

    explicit QuotePair(const std::string& text) {
        open = text.find('"');
        if (open != npos) {
            close = text.find('"', open + 1);
            if (close == npos) open = npos;
        }
    }
    bool Inside(size_t pos) const { return open != npos && pos > open && pos < close; }
};

const QuotePair kNoQuotes{std::string()};

size_t FindOutside(const std::string& text, const std::string& what, const QuotePair& quotes) {
    for (size_t at = text.find(what); at != npos; at = text.find(what, at + 1)) {
        if (!quotes.Inside(at) && !quotes.Inside(at + what.size() - 1)) return at;
    }
    return npos;
}

// The ")" that closes the "(" at open, counting nested parentheses; characters
// inside the quotes are skipped. npos when it is never closed.
size_t MatchingParen(const std::string& text, size_t open, const QuotePair& quotes) {
    int depth = 0;
    for (size_t at = open; at < text.size(); ++at) {
        if (quotes.Inside(at)) continue;
        if (text[at] == '(') {
            ++depth;
        } else if (text[at] == ')') {
            if (--depth == 0) return at;
        }
    }
    return npos;
}

double ReadOperand(const std::string& text) {
    if (SameTextIgnoringCase(TrimBlanks(text), "NOW")) return DateTimeNow();
    return ReadDecimalReal(text);
}

double Arithmetic(std::string text, int depth) {
    if (depth > kMaxDepth) return 0.0;
    for (;;) {
        const size_t open = text.find('(');
        if (open == npos) break;
        const size_t close = MatchingParen(text, open, kNoQuotes);
        if (close == npos) break;
        const double inner = Arithmetic(text.substr(open + 1, close - open - 1), depth + 1);
        text = text.substr(0, open) + FloatToText(inner) + text.substr(close + 1);
    }
    if (const size_t at = text.find('+'); at != npos)
        return Arithmetic(text.substr(0, at), depth + 1) + Arithmetic(text.substr(at + 1), depth + 1);
    if (const size_t at = text.find('-'); at != npos)
        return Arithmetic(text.substr(0, at), depth + 1) - Arithmetic(text.substr(at + 1), depth + 1);
    if (const size_t at = text.find('*'); at != npos)
        return ReadOperand(text.substr(0, at)) * Arithmetic(text.substr(at + 1), depth + 1);
    if (const size_t at = text.find('/'); at != npos)
        return ReadOperand(text.substr(0, at)) / Arithmetic(text.substr(at + 1), depth + 1);
    return ReadOperand(text);
}

bool Condition(std::string text, int depth) {
    if (depth > kMaxDepth) RaiseKvCommon(-1);
    for (;;) {
        const QuotePair quotes(text);
        const size_t open = FindOutside(text, "(", quotes);
        if (open == npos) break;
        const size_t close = MatchingParen(text, open, quotes);
        if (close == npos) break;
        const bool inner = Condition(text.substr(open + 1, close - open - 1), depth + 1);
        text = text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1);
    }
    const QuotePair quotes(text);
    if (const size_t at = FindOutside(text, "|", quotes); at != npos) {
        if (Condition(text.substr(0, at), depth + 1)) return true;
        return Condition(text.substr(at + 1), depth + 1);
    }
    if (const size_t at = FindOutside(text, "&", quotes); at != npos) {
        if (!Condition(text.substr(0, at), depth + 1)) return false;
        return Condition(text.substr(at + 1), depth + 1);
    }
    if (const size_t at = FindOutside(text, "!", quotes); at != npos) {
        // The "!" itself is removed (not merely the first character), so blanks
        // before it, as in "a=1 & !b=2", do not turn the negation into a double one.
        return !Condition(text.substr(0, at) + text.substr(at + 1), depth + 1);
    }
    return Compare(text);
}

std::string CompareOperand(const std::string& text) {
    std::string operand = Unquote(TrimBlanks(text));
    if (SameTextIgnoringCase(operand, "NOW")) operand = FloatToText(DateTimeNow());
    return operand;
}

} // namespace

double EvaluateArithmetic(const std::string& text) { return Arithmetic(text, 0); }

bool EvaluateCondition(const std::string& text) { return Condition(text, 0); }

bool Compare(const std::string& text) {
    static const char* const kOperators[] = {"<>", ">=", "<=", ">", "<", "="};
    const QuotePair quotes(text);
    for (const char* op : kOperators) {
        const std::string oper(op);
        const size_t at = FindOutside(text, oper, quotes);
        if (at == npos) continue;
        const std::string left = CompareOperand(text.substr(0, at));
        const std::string right = CompareOperand(text.substr(at + oper.size()));
        const int order = left.compare(right);
        if (oper == "<>") return order != 0;
        if (oper == ">=") return order >= 0;
        if (oper == "<=") return order <= 0;
        if (oper == ">") return order > 0;
        if (oper == "<") return order < 0;
        return order == 0;
    }
    const std::string word = TrimBlanks(text);
    if (SameTextIgnoringCase(word, "true")) return true;
    if (SameTextIgnoringCase(word, "false")) return false;
    RaiseKvCommon(-1);
}

std::string Unquote(const std::string& text) {
    // A lone quote is not a quoted text: both ends must be distinct characters.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}
