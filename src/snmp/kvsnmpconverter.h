#pragma once
// Value conversion between the text form that every variable holds in its
// Value field and the outside world: response varbinds, set varbinds, the
// instance part of table OIDs, and the expressions that compute values.
//
// The free functions take the variable list and the variable index. The class
// KvSNMPConverter holds a list and exposes the same operations as virtual
// operations; the request derives from it, so a request subclass can replace
// a conversion, and the operations that substitute expressions go through the
// virtual SubstituteExpression.
//
// Errors are raised as KvException with the framework's code:
//   -511 "(DeRIRA++) Bad SNMP syntax!"                      code not handled
//   -512 "(DeRIRA++) Null value in the expression!"         "(NULL)" substituted
//   -513 "(DeRIRA++) Bad SNMP syntax in the expression!"    non-numeric code unquoted,
//                                                           or a computed value it cannot store
//   -514 "(DeRIRA++) Bad key count of SNMP variable list!"  instance suffix too short for its keys
//   -518 "(DeRIRA++) Bad value of ... (partial) data!"      too few octets for the code
// and KvCommon -12 for a variable index outside the list.
//
// How the varbind fields are used (KvVarbind, by the variable's syntax code):
//   1, 2                 Integer (set: Type INTEGER)
//   65, 66, 71, 67       Integer as unsigned 32 bits (set: Type Gauge32 / TimeTicks)
//   70                   Counter64 (set: Type Counter64; read: Integer when the type is not Counter64)
//   3, 4, 68, 73, 77     Octets, raw bytes (set: Type OCTET STRING)
//   72, 74, 75, 76       Octets (set: Type OCTET STRING)
//   64, 69               Octets, 4 raw bytes (set: Type IpAddress)
//   6                    ObjectId, dotted decimal (set: Type OBJECT IDENTIFIER)
//   5, "(NULL)"          set: Type NULL
#include "kvsnmpvarlist.h"
#include "kvvarbind.h"

#include <string>

// --- Option mapping of a variable (pass-through without an option list) ----------
std::string OptionValueToText(const KvSNMPVar& var, const std::string& value);
std::string OptionTextToValue(const KvSNMPVar& var, const std::string& text);

// --- Plain value conversions (no option list) -------------------------------------
// The text form of a response varbind for a syntax code. For codes other than
// 3, 4, 68, 73, 77 a value with no printable text (NULL, noSuchObject,
// noSuchInstance, endOfMibView, an empty octet string or OID) gives "(NULL)",
// or the empty text for code 76.
std::string VarbindValueText(const KvVarbind& varbind, uint32_t syntax);
// Fills the value of a set varbind (Type and value fields; Oid untouched).
// "(NULL)" and "(NOTDONE)" give a NULL varbind.
void ValueTextToVarbind(const std::string& text, uint32_t syntax, KvVarbind& varbind);

// --- Conversions on a variable of a list ------------------------------------------
// Value of variable i := text of the response varbind, mapped value -> option text.
void VarbindToText(KvSNMPVarList& list, int i, const KvVarbind& varbind);
// Set varbind from Value of variable i, mapped option text -> value.
void TextToVarbind(const KvSNMPVarList& list, int i, KvVarbind& varbind);

// Decodes key variable i from the front of an instance suffix (dotted
// sub-identifiers), stores it in Value (mapped to its option text) and returns
// the rest of the suffix (empty when all was used). A suffix shorter than the
// key needs raises -514; nothing past it is read.
std::string DecodeKey(KvSNMPVarList& list, int i, const std::string& suffix);
// The dotted sub-identifiers that stand for the current Value of key variable i.
std::string EncodeKey(const KvSNMPVarList& list, int i);

// Every marker followed by decimal digits d is replaced by the text of
// variable d (numbers as they are, truth values as 1/0, time ticks as their
// count, date-time texts as their number; other codes quoted when quote is
// set, else -513). Inserted texts are never searched again. A marker without
// digits stays as it is.
std::string SubstituteExpression(const KvSNMPVarList& list, const std::string& expression,
                                 const std::string& marker, bool quote);
// Direction 1 (after a read) evaluates GetExpression, direction 0 (before a
// set) SetExpression, and stores the result in variable i; nothing when the
// expression is absent.
void ComputeExpression(KvSNMPVarList& list, int i, int direction);
// Stores a computed number in variable i by its code (whole numbers truncated
// toward zero and clamped to the code's range), mapped to its option text.
void StoreComputedValue(KvSNMPVarList& list, int i, double value);
// True for an empty expression; otherwise the substituted (quoted) condition.
bool TestCondition(const KvSNMPVarList& list, const std::string& expression);
// Whether a table column has left its subtree: always false for kinds 0 and 1;
// for tables false only when returned lies below base (base followed by "."
// and more) and differs from requested.
bool IsColumnEnd(const KvSNMPVarList& list, const std::string& base, const std::string& requested,
                 const std::string& returned);

// --- The virtual operations of a request -----------------------------------------
class KvSNMPConverter {
public:
    KvSNMPVarList VarList;

    KvSNMPConverter() = default;
    KvSNMPConverter(const KvSNMPConverter&) = delete;
    KvSNMPConverter& operator=(const KvSNMPConverter&) = delete;
    virtual ~KvSNMPConverter() = default;

    virtual std::string SubstituteExpression(const std::string& expression, const std::string& marker, bool quote);
    virtual std::string DecodeKey(int i, const std::string& suffix);
    virtual std::string EncodeKey(int i);
    virtual void VarbindToText(int i, const KvVarbind& varbind);
    virtual void TextToVarbind(int i, KvVarbind& varbind);
    virtual void ComputeExpression(int i, int direction);
    virtual bool TestCondition(const std::string& expression);
    virtual bool IsColumnEnd(const std::string& base, const std::string& requested, const std::string& returned);
};
