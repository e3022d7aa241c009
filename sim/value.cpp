#include "value.h"

#include "textfile.h"

#include <arpa/inet.h>
#include <cctype>
#include <cstring>

namespace kxsim {

bool ParseOid(const std::string& text, Oid* out) {
    out->clear();
    std::string t = text;
    if (!t.empty() && t[0] == '.') t.erase(0, 1);
    if (t.empty()) return false;
    size_t start = 0;
    while (true) {
        size_t dot = t.find('.', start);
        unsigned long long v = 0;
        if (!ParseUnsigned(t.substr(start, dot == std::string::npos ? std::string::npos : dot - start), &v) ||
            v > 0xFFFFFFFFull)
            return false;
        out->push_back(static_cast<oid>(v));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return out->size() <= MAX_OID_LEN;
}

std::string OidText(const oid* id, size_t length) {
    std::string s;
    for (size_t i = 0; i < length; ++i) {
        if (i) s += '.';
        s += std::to_string(id[i]);
    }
    return s;
}

std::string OidText(const Oid& id) { return OidText(id.data(), id.size()); }

bool OidStartsWith(const oid* id, size_t length, const Oid& prefix) {
    if (length < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (id[i] != prefix[i]) return false;
    return true;
}

bool OidStartsWith(const Oid& id, const Oid& prefix) { return OidStartsWith(id.data(), id.size(), prefix); }

std::string Syntax::LabelOf(long long number) const {
    for (const auto& [label, value] : Labels)
        if (value == number) return label;
    return {};
}

bool IsConstraintToken(const std::string& token) {
    return (!token.empty() && (token[0] == '{' || token[0] == '(')) || token.rfind("SIZE(", 0) == 0;
}

namespace {

bool ParseRange(const std::string& inner, long long* low, long long* high) {
    size_t dots = inner.find("..");
    if (dots == std::string::npos) {
        if (!ParseLong(inner, low)) return false;
        *high = *low;
        return true;
    }
    return ParseLong(inner.substr(0, dots), low) && ParseLong(inner.substr(dots + 2), high) && *low <= *high;
}

bool ParseLabels(const std::string& group, std::vector<std::pair<std::string, long long>>* labels) {
    // "{up(1) down(2)}" or "{up(1), down(2)}"
    std::string inner = group.substr(1, group.size() - 2);
    size_t i = 0;
    while (i < inner.size()) {
        while (i < inner.size() && (inner[i] == ' ' || inner[i] == ',' || inner[i] == '\t')) ++i;
        if (i >= inner.size()) break;
        size_t open = inner.find('(', i);
        size_t close = inner.find(')', i);
        if (open == std::string::npos || close == std::string::npos || close < open) return false;
        std::string label = inner.substr(i, open - i);
        long long v = 0;
        if (label.empty() || !ParseLong(inner.substr(open + 1, close - open - 1), &v)) return false;
        labels->emplace_back(label, v);
        i = close + 1;
    }
    return !labels->empty();
}

struct Keyword {
    const char* Name;
    u_char Type;
};

const Keyword kKeywords[] = {
    {"INTEGER", ASN_INTEGER},         {"Integer32", ASN_INTEGER},      {"RowStatus", ASN_INTEGER},
    {"EntryStatus", ASN_INTEGER},
    {"TruthValue", ASN_INTEGER},      {"StorageType", ASN_INTEGER},    {"OCTET-STRING", ASN_OCTET_STR},
    {"OctetString", ASN_OCTET_STR},   {"DisplayString", ASN_OCTET_STR}, {"SnmpAdminString", ASN_OCTET_STR},
    {"MacAddress", ASN_OCTET_STR},    {"PhysAddress", ASN_OCTET_STR},  {"OBJECT-IDENTIFIER", ASN_OBJECT_ID},
    {"IpAddress", ASN_IPADDRESS},     {"Counter32", ASN_COUNTER},      {"Gauge32", ASN_GAUGE},
    {"Unsigned32", ASN_UNSIGNED},     {"TimeTicks", ASN_TIMETICKS},    {"Counter64", ASN_COUNTER64},
};

} // namespace

bool MakeSyntax(const std::string& keyword, const std::vector<std::string>& constraints, Syntax* syntax,
                std::string* error) {
    *syntax = Syntax{};
    syntax->Name = keyword;
    bool known = false;
    for (const Keyword& k : kKeywords) {
        if (keyword == k.Name) {
            syntax->Type = k.Type;
            known = true;
        }
    }
    if (!known) {
        *error = "unknown syntax '" + keyword + "'";
        return false;
    }
    if (keyword == "RowStatus") {
        syntax->RowStatus = true;
        syntax->Labels = {{"active", 1},      {"notInService", 2},  {"notReady", 3},
                          {"createAndGo", 4}, {"createAndWait", 5}, {"destroy", 6}};
    } else if (keyword == "EntryStatus") {
        syntax->EntryStatus = true;
        syntax->Labels = {{"other", 1}, {"invalid", 2}, {"valid", 3}};
    } else if (keyword == "TruthValue") {
        syntax->Labels = {{"true", 1}, {"false", 2}};
    } else if (keyword == "StorageType") {
        syntax->Labels = {{"other", 1}, {"volatile", 2}, {"nonVolatile", 3}, {"permanent", 4}, {"readOnly", 5}};
    } else if (keyword == "DisplayString" || keyword == "SnmpAdminString") {
        syntax->Size = std::make_pair<size_t, size_t>(0, 255);
    } else if (keyword == "MacAddress") {
        syntax->Size = std::make_pair<size_t, size_t>(6, 6);
    }
    for (const std::string& c : constraints) {
        if (c.front() == '{') {
            syntax->Labels.clear();
            if (!ParseLabels(c, &syntax->Labels)) {
                *error = "bad enumeration " + c;
                return false;
            }
        } else {
            const bool size = c.rfind("SIZE(", 0) == 0;
            std::string inner = size ? c.substr(5, c.size() - 6) : c.substr(1, c.size() - 2);
            long long low = 0, high = 0;
            if (!ParseRange(inner, &low, &high) || (size && low < 0)) {
                *error = "bad range " + c;
                return false;
            }
            if (size) syntax->Size = std::make_pair<size_t, size_t>(low, high);
            else syntax->Range = std::make_pair(low, high);
        }
    }
    if (syntax->Type != ASN_OCTET_STR && syntax->Size) {
        *error = "SIZE applies to octet strings only";
        return false;
    }
    return true;
}

namespace {

bool HexDigits(const std::string& hex, std::string* bytes) {
    if (hex.size() % 2) return false;
    bytes->clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(hex[i])) ||
            !std::isxdigit(static_cast<unsigned char>(hex[i + 1])))
            return false;
        bytes->push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return true;
}

bool ColonHex(const std::string& text, std::string* bytes) {
    // aa:bb:cc (each part one or two hex digits); also '-' separated.
    if (text.size() < 3) return false;
    const char sep = text.find(':') != std::string::npos ? ':' : '-';
    if (text.find(sep) == std::string::npos) return false;
    bytes->clear();
    size_t start = 0;
    while (true) {
        size_t at = text.find(sep, start);
        std::string part = text.substr(start, at == std::string::npos ? std::string::npos : at - start);
        if (part.empty() || part.size() > 2) return false;
        for (char c : part)
            if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        bytes->push_back(static_cast<char>(std::stoi(part, nullptr, 16)));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return true;
}

} // namespace

bool ParseValue(const Syntax& syntax, const std::string& text, Value* value, std::string* error) {
    *value = Value{};
    value->Type = syntax.Type;
    switch (syntax.Type) {
    case ASN_INTEGER: {
        const std::string t = Unquote(text);
        long long v = 0;
        if (ParseLong(t, &v)) {
            value->Number = v;
            return true;
        }
        for (const auto& [label, number] : syntax.Labels) {
            if (label == t) {
                value->Number = number;
                return true;
            }
        }
        *error = "'" + text + "' is no number or label of " + syntax.Name;
        return false;
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_COUNTER64: {
        unsigned long long v = 0;
        if (!ParseUnsigned(Unquote(text), &v) ||
            (syntax.Type != ASN_COUNTER64 && v > 0xFFFFFFFFull)) {
            *error = "'" + text + "' is no unsigned number";
            return false;
        }
        value->Number = static_cast<long long>(v);
        return true;
    }
    case ASN_OCTET_STR:
        if (IsQuoted(text)) {
            value->Bytes = Unquote(text);
            return true;
        }
        if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
            if (!HexDigits(text.substr(2), &value->Bytes)) {
                *error = "bad hex string " + text;
                return false;
            }
            return true;
        }
        if (ColonHex(text, &value->Bytes)) return true;
        value->Bytes = text;
        return true;
    case ASN_IPADDRESS: {
        in_addr a{};
        if (inet_pton(AF_INET, Unquote(text).c_str(), &a) != 1) {
            *error = "bad IP address " + text;
            return false;
        }
        value->Bytes.assign(reinterpret_cast<const char*>(&a), 4);
        return true;
    }
    case ASN_OBJECT_ID:
        if (!ParseOid(Unquote(text), &value->Ids)) {
            *error = "bad object identifier " + text;
            return false;
        }
        return true;
    default:
        *error = "unsupported syntax";
        return false;
    }
}

std::string ValueText(const Value& value) {
    switch (value.Type) {
    case ASN_INTEGER:
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        return std::to_string(value.Number);
    case ASN_COUNTER64:
        return std::to_string(static_cast<unsigned long long>(value.Number));
    case ASN_OCTET_STR: {
        static const char* digits = "0123456789ABCDEF";
        std::string s = "0x";
        for (unsigned char c : value.Bytes) {
            s += digits[c >> 4];
            s += digits[c & 15];
        }
        return s;
    }
    case ASN_IPADDRESS: {
        char buf[INET_ADDRSTRLEN] = {};
        if (value.Bytes.size() == 4) inet_ntop(AF_INET, value.Bytes.data(), buf, sizeof buf);
        return buf;
    }
    case ASN_OBJECT_ID:
        return OidText(value.Ids);
    default:
        return {};
    }
}

int CheckValue(const Syntax& syntax, const Value& value) {
    if (value.Type != syntax.Type) return SNMP_ERR_WRONGTYPE;
    switch (syntax.Type) {
    case ASN_INTEGER:
        if (!syntax.Labels.empty()) {
            bool found = false;
            for (const auto& label : syntax.Labels) found = found || label.second == value.Number;
            if (!found) return SNMP_ERR_WRONGVALUE;
        }
        if (syntax.Range && (value.Number < syntax.Range->first || value.Number > syntax.Range->second))
            return SNMP_ERR_WRONGVALUE;
        return SNMP_ERR_NOERROR;
    case ASN_OCTET_STR:
        if (syntax.Size && (value.Bytes.size() < syntax.Size->first || value.Bytes.size() > syntax.Size->second))
            return SNMP_ERR_WRONGLENGTH;
        return SNMP_ERR_NOERROR;
    case ASN_IPADDRESS:
        return value.Bytes.size() == 4 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGLENGTH;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        if (syntax.Range && (value.Number < syntax.Range->first || value.Number > syntax.Range->second))
            return SNMP_ERR_WRONGVALUE;
        return SNMP_ERR_NOERROR;
    default:
        return SNMP_ERR_NOERROR;
    }
}

Value ValueFromVarbind(const netsnmp_variable_list* var) {
    Value v;
    v.Type = var->type;
    switch (var->type) {
    case ASN_INTEGER:
        if (var->val.integer && var->val_len >= sizeof(long)) v.Number = *var->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        if (var->val.integer && var->val_len >= sizeof(long))
            v.Number = static_cast<long long>(static_cast<unsigned long>(*var->val.integer) & 0xFFFFFFFFul);
        break;
    case ASN_COUNTER64:
        if (var->val.counter64)
            v.Number = static_cast<long long>((static_cast<unsigned long long>(var->val.counter64->high) << 32) |
                                              (var->val.counter64->low & 0xFFFFFFFFul));
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
        if (var->val.string) v.Bytes.assign(reinterpret_cast<const char*>(var->val.string), var->val_len);
        break;
    case ASN_OBJECT_ID:
        if (var->val.objid) v.Ids.assign(var->val.objid, var->val.objid + var->val_len / sizeof(oid));
        break;
    default:
        break;
    }
    return v;
}

void SetVarbindValue(netsnmp_variable_list* var, const Value& value) {
    switch (value.Type) {
    case ASN_INTEGER: {
        long v = static_cast<long>(value.Number);
        snmp_set_var_typed_value(var, value.Type, &v, sizeof v);
        break;
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: {
        u_long v = static_cast<u_long>(value.Number) & 0xFFFFFFFFul;
        snmp_set_var_typed_value(var, value.Type, &v, sizeof v);
        break;
    }
    case ASN_COUNTER64: {
        counter64 c{};
        const auto n = static_cast<unsigned long long>(value.Number);
        c.high = static_cast<u_long>(n >> 32);
        c.low = static_cast<u_long>(n & 0xFFFFFFFFull);
        snmp_set_var_typed_value(var, value.Type, &c, sizeof c);
        break;
    }
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
        snmp_set_var_typed_value(var, value.Type, value.Bytes.data(), value.Bytes.size());
        break;
    case ASN_OBJECT_ID:
        snmp_set_var_typed_value(var, value.Type, value.Ids.data(), value.Ids.size() * sizeof(oid));
        break;
    default:
        snmp_set_var_typed_value(var, value.Type, nullptr, 0);
        break;
    }
}

char TypeCode(u_char type) {
    switch (type) {
    case ASN_INTEGER: return 'i';
    case ASN_GAUGE: return 'u';
    case ASN_COUNTER: return 'c';
    case ASN_TIMETICKS: return 't';
    case ASN_COUNTER64: return 'C';
    case ASN_OCTET_STR: return 'x';
    case ASN_IPADDRESS: return 'a';
    case ASN_OBJECT_ID: return 'o';
    default: return '?';
    }
}

u_char TypeFromCode(char code) {
    switch (code) {
    case 'i': return ASN_INTEGER;
    case 'u': return ASN_GAUGE;
    case 'c': return ASN_COUNTER;
    case 't': return ASN_TIMETICKS;
    case 'C': return ASN_COUNTER64;
    case 'x':
    case 's': return ASN_OCTET_STR;
    case 'a': return ASN_IPADDRESS;
    case 'o': return ASN_OBJECT_ID;
    default: return ASN_NULL;
    }
}

} // namespace kxsim
