#pragma once
// Syntaxes and values of the objects kxsim serves.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kxsim {

using Oid = std::vector<oid>;

// "1.3.6.1" -> {1,3,6,1}; a leading '.' is allowed.
bool ParseOid(const std::string& text, Oid* out);
std::string OidText(const Oid& id);
std::string OidText(const oid* id, size_t length);
bool OidStartsWith(const Oid& id, const Oid& prefix);
bool OidStartsWith(const oid* id, size_t length, const Oid& prefix);

// A typed value as it travels in a varbind.
struct Value {
    u_char Type = ASN_NULL;
    long long Number = 0;  // INTEGER, Counter32, Gauge32, TimeTicks, Counter64
    std::string Bytes;     // OCTET STRING, IpAddress (4 octets)
    Oid Ids;               // OBJECT IDENTIFIER

    bool operator==(const Value& other) const {
        return Type == other.Type && Number == other.Number && Bytes == other.Bytes && Ids == other.Ids;
    }
};

// A syntax as written in an object file: a base type keyword, optional
// enumeration labels "{up(1) down(2)}", value range "(0..255)" or size
// "SIZE(0..32)" / "SIZE(6)".
struct Syntax {
    std::string Name;
    u_char Type = ASN_INTEGER;
    bool RowStatus = false;
    // EntryStatus: an enumerated row state of the maker's tables; writing
    // "valid" or "add" creates the row, "invalid" or "delete" removes it.
    bool EntryStatus = false;
    std::vector<std::pair<std::string, long long>> Labels;
    std::optional<std::pair<long long, long long>> Range;
    std::optional<std::pair<size_t, size_t>> Size;

    // Label of a number, or empty.
    std::string LabelOf(long long number) const;
};

// Builds a syntax from its keyword and constraint tokens; false with *error
// when the keyword or a constraint is unknown or malformed.
bool MakeSyntax(const std::string& keyword, const std::vector<std::string>& constraints, Syntax* syntax,
                std::string* error);

// True when the token is a constraint ("{...}", "(...)", "SIZE(...)").
bool IsConstraintToken(const std::string& token);

// Parses a value text for a syntax:
//   integers:      decimal, or an enumeration label of the syntax
//   octet strings: "quoted text", 0x hex digits (0x alone is empty),
//                  colon-separated hex octets (00:50:BA:00:00:01), or bare text
//   IpAddress:     dotted quad; OBJECT IDENTIFIER: dotted numbers
// The result is not checked against the syntax's range or size.
bool ParseValue(const Syntax& syntax, const std::string& text, Value* value, std::string* error);

// Text form that ParseValue reads back (used by the state file).
std::string ValueText(const Value& value);

// What a SET of this value to an object of this syntax is refused with
// (SNMP_ERR_NOERROR, SNMP_ERR_WRONGTYPE, SNMP_ERR_WRONGLENGTH, SNMP_ERR_WRONGVALUE).
int CheckValue(const Syntax& syntax, const Value& value);

// Value from a varbind (no checks beyond what the type needs).
Value ValueFromVarbind(const netsnmp_variable_list* var);
// Puts the value into a varbind.
void SetVarbindValue(netsnmp_variable_list* var, const Value& value);

// One-character type code used in the state file and by snmpset: i u c g t C s x a o.
char TypeCode(u_char type);
u_char TypeFromCode(char code);

} // namespace kxsim
