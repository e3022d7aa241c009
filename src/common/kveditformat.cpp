#include "kveditformat.h"

#include "kvmessages.h"
#include "kvnumlist.h"
#include "kvtextnumbers.h"

#include <cfloat>
#include <cmath>

namespace {

[[noreturn]] void BadSpecifier() { RaiseKvCommon(-2); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The argument of "n" and "x": the run of "-", digits and "." after the letter.
double ReadBound(const std::string& options, size_t& at) {
    const size_t start = at;
    while (at < options.size() && (IsDigit(options[at]) || options[at] == '-' || options[at] == '.')) ++at;
    if (at == start) BadSpecifier();
    return ReadDecimalReal(std::string_view(options).substr(start, at - start));
}

// The argument of "l" and "w": the run of digits after the letter.
int32_t ReadCount(const std::string& options, size_t& at) {
    const size_t start = at;
    while (at < options.size() && IsDigit(options[at])) ++at;
    if (at == start) BadSpecifier();
    return ReadDecimalInt32(std::string_view(options).substr(start, at - start));
}

QChar Latin1(char c) { return QChar(static_cast<unsigned char>(c)); }

std::string DelimiterText(char delimiter) { return QString(Latin1(delimiter)).toStdString(); }

} // namespace

KvEditFormat KvEditFormat::Parse(const std::string& specifier) {
    if (specifier.size() < 2 || specifier[0] != '%') BadSpecifier();
    KvEditFormat f;
    f.Type = specifier[1];
    size_t at = 2;
    switch (f.Type) {
    case 'f':
        f.Minimum = -DBL_MAX;
        f.Maximum = DBL_MAX;
        break;
    case 'i':
        f.Minimum = -2147483648.0;
        f.Maximum = 2147483647.0;
        break;
    case 'n':
        if (at >= specifier.size()) BadSpecifier();
        f.Delimiter = specifier[at++];
        f.Minimum = 0;
        f.Maximum = 4294967295.0;
        break;
    case 'u':
        f.Minimum = 0;
        f.Maximum = 4294967295.0;
        break;
    case 'h':
    case 's':
        break;
    default:
        BadSpecifier();
    }
    if (at == specifier.size()) return f;
    if (specifier[at] != '{' || specifier.back() != '}' || specifier.size() - at < 2) BadSpecifier();
    const std::string options = specifier.substr(at + 1, specifier.size() - at - 2);
    size_t i = 0;
    while (i < options.size()) {
        const char letter = options[i++];
        switch (letter) {
        case 'n': f.Minimum = ReadBound(options, i); break;
        case 'x': f.Maximum = ReadBound(options, i); break;
        case 'l': {
            f.MaxLength = ReadCount(options, i);
            for (int k = 0; k < 3 && i < options.size(); ++k, ++i) {
                const char flag = options[i];
                if (flag == 'a') f.Flags |= efAdvance;
                else if (flag == 'f') f.Flags |= efFixed;
                else if (flag == 'n') f.Flags |= efNotEmpty;
                else break;
            }
            break;
        }
        case 'w': f.Width = ReadCount(options, i); break;
        case 'e':
            if (i >= options.size()) BadSpecifier();
            f.ExitChar = options[i++];
            break;
        default:
            BadSpecifier();
        }
    }
    return f;
}

std::vector<std::string> KvEditFormat::Split(const std::string& format) {
    std::vector<std::string> specifiers;
    std::string current;
    for (char c : format) {
        if (c == '%' && !current.empty()) {
            specifiers.push_back(current);
            current.clear();
        }
        current += c;
    }
    if (!current.empty()) specifiers.push_back(current);
    return specifiers;
}

int KvEditFormat::FirstRefusedChar(const QString& text) const {
    bool point = false;
    for (int k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        bool allowed = false;
        switch (Type) {
        case 'f':
            if (c == QLatin1Char('.')) {
                allowed = !point;
                point = true;
            } else {
                allowed = digit || (c == QLatin1Char('-') && k == 0);
            }
            break;
        case 'h':
            allowed = digit || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
                      (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
            break;
        case 'i': allowed = digit || (c == QLatin1Char('-') && k == 0); break;
        case 'u': allowed = digit; break;
        case 'n':
            allowed = digit || (c == Latin1(Delimiter) && k > 0 && text[k - 1] != Latin1(Delimiter));
            break;
        default: allowed = true; break;
        }
        if (!allowed) return k;
    }
    return -1;
}

int KvEditFormat::CheckValue(const QString& text, std::string* message) const {
    auto refuse = [&](int code, std::initializer_list<std::pair<const char*, std::string>> values) {
        std::string m = KvCommonText(code);
        for (const auto& [placeholder, value] : values) m = ReplaceAll(m, placeholder, value);
        if (message) *message = m;
        return code;
    };
    if (text.isEmpty()) return (Flags & efNotEmpty) ? refuse(-3, {}) : 0;
    const std::string len = std::to_string(MaxLength);
    switch (Type) {
    case 'f':
    case 'i':
    case 'u': {
        const double value = ReadDecimalReal(text.toStdString());
        if (value < Minimum || value > Maximum)
            return refuse(-8, {{"[MIN]", FloatToText(Minimum)}, {"[MAX]", FloatToText(Maximum)}});
        return 0;
    }
    case 'h':
    case 's': {
        if (MaxLength <= 0) return 0;
        const bool hex = Type == 'h';
        if (Flags & efFixed) {
            if (text.size() != MaxLength) return refuse(hex ? -7 : -5, {{"[LEN]", len}});
        } else if (text.size() > MaxLength) {
            return refuse(hex ? -6 : -4, {{"[MAXLEN]", len}});
        }
        return 0;
    }
    case 'n': {
        KvUIntList numbers;
        numbers.Delimiter = Delimiter;
        numbers.Parse(text.toStdString());
        const std::string delimiter = DelimiterText(Delimiter);
        if (MaxLength > 0) {
            if (Flags & efFixed) {
                if (numbers.Count() != MaxLength) return refuse(-10, {{"[DELIMITER]", delimiter}, {"[COUNT]", len}});
            } else if (numbers.Count() > MaxLength) {
                return refuse(-9, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", len}});
            }
        }
        const uint32_t low = TruncateToUInt32(Minimum), high = TruncateToUInt32(Maximum);
        if (!numbers.AllInRange(low, high))
            return refuse(-11, {{"[DELIMITER]", delimiter},
                                {"[MIN]", std::to_string(low)},
                                {"[MAX]", std::to_string(high)}});
        return 0;
    }
    default: return 0;
    }
}
