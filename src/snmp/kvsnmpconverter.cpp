#include "kvsnmpconverter.h"

#include "kvdatetime.h"
#include "kvexpression.h"
#include "kvmessages.h"
#include "kvoptionlist.h"
#include "kvsnmpvalue.h"
#include "kvtextnumbers.h"

#include <string_view>
#include <vector>

namespace {

bool IsHexCode(uint32_t syntax) {
    return syntax == synBits || syntax == synOctetString || syntax == synOpaque || syntax == synMacAddress ||
           syntax == synAddress16;
}

bool IsSpecialText(const std::string& text) { return text == kNullText || text == kNotDoneText; }

// Whether the library would print nothing for the varbind's value.
bool PrintableIsEmpty(const KvVarbind& vb) {
    switch (vb.Type) {
    case kvSmiInteger: case kvSmiCounter32: case kvSmiGauge32: case kvSmiTimeTicks: case kvSmiUInteger32:
    case kvSmiCounter64:
        return false;
    case kvSmiOctetString: case kvSmiOpaque: case kvSmiIpAddress:
        return vb.Octets.empty();
    case kvSmiObjectId:
        return vb.ObjectId.empty();
    default: // NULL, the exception values, anything unknown
        return true;
    }
}

uint64_t UnsignedValue(const KvVarbind& vb) {
    if (vb.Type == kvSmiCounter64) return vb.Counter64;
    return static_cast<uint64_t>(vb.Integer);
}

uint32_t Unsigned32(const KvVarbind& vb) { return static_cast<uint32_t>(UnsignedValue(vb)); }

std::string Dotted(const std::vector<uint32_t>& arcs) {
    std::string text;
    for (size_t k = 0; k < arcs.size(); ++k) {
        if (k) text += '.';
        text += std::to_string(arcs[k]);
    }
    return text;
}

std::string ArcsOfOctets(const std::string& octets) {
    std::string text;
    for (size_t k = 0; k < octets.size(); ++k) {
        if (k) text += '.';
        text += std::to_string(static_cast<uint8_t>(octets[k]));
    }
    return text;
}

std::vector<uint32_t> OidArcs(const std::string& text) {
    std::vector<uint32_t> arcs;
    size_t from = 0;
    while (from <= text.size()) {
        size_t dot = text.find('.', from);
        if (dot == std::string::npos) dot = text.size();
        if (dot > from) arcs.push_back(ReadDecimalUInt32(std::string_view(text).substr(from, dot - from)));
        from = dot + 1;
    }
    return arcs;
}

// The sub-identifiers of an instance suffix, with where each one starts so
// that the rest can be returned as it was written.
class SuffixReader {
public:
    explicit SuffixReader(const std::string& suffix) : suffix_(suffix) {
        if (suffix.empty()) return;
        size_t from = 0;
        for (;;) {
            size_t dot = suffix.find('.', from);
            const size_t end = dot == std::string::npos ? suffix.size() : dot;
            starts_.push_back(from);
            arcs_.push_back(ReadDecimalUInt32(std::string_view(suffix).substr(from, end - from)));
            if (dot == std::string::npos) break;
            from = dot + 1;
        }
    }

    size_t Remaining() const { return arcs_.size() - used_; }

    // The next n sub-identifiers; a suffix with fewer raises -514.
    std::vector<uint32_t> Take(size_t n) {
        if (n > Remaining()) RaiseDeRIRA(-514);
        std::vector<uint32_t> taken(arcs_.begin() + static_cast<std::ptrdiff_t>(used_),
                                    arcs_.begin() + static_cast<std::ptrdiff_t>(used_ + n));
        used_ += n;
        return taken;
    }
    std::vector<uint32_t> TakeAll() { return Take(Remaining()); }

    std::string Rest() const { return used_ >= arcs_.size() ? std::string() : suffix_.substr(starts_[used_]); }

private:
    const std::string& suffix_;
    std::vector<size_t> starts_;
    std::vector<uint32_t> arcs_;
    size_t used_ = 0;
};

std::string OctetsOfArcs(const std::vector<uint32_t>& arcs) {
    std::string octets;
    octets.reserve(arcs.size());
    for (uint32_t arc : arcs) octets.push_back(static_cast<char>(arc & 0xFF));
    return octets;
}

std::string CharactersOf(const std::string& octets) {
    const size_t zero = octets.find('\0');
    return zero == std::string::npos ? octets : octets.substr(0, zero);
}

double DoubleOfArcs(uint32_t low, uint32_t high) {
    return BitsToDouble(static_cast<uint64_t>(low) | (static_cast<uint64_t>(high) << 32));
}

std::string LowHighArcs(double value) {
    const uint64_t bits = DoubleToBits(value);
    return std::to_string(static_cast<uint32_t>(bits)) + "." + std::to_string(static_cast<uint32_t>(bits >> 32));
}

bool IsLastImplied(const KvSNMPVarList& list, int i) { return i + 1 == list.KeyCount && list.IsImplied(i); }

// Octets read from a response for the fixed-size codes 72, 74, 75.
const std::string& FixedOctets(const KvVarbind& vb, size_t needed) {
    if (vb.Octets.size() < needed) RaiseDeRIRA(-518);
    return vb.Octets;
}

} // namespace

// --- Option mapping --------------------------------------------------------------

std::string OptionValueToText(const KvSNMPVar& var, const std::string& value) {
    return var.Options ? var.Options->ValueToText(value) : value;
}

std::string OptionTextToValue(const KvSNMPVar& var, const std::string& text) {
    return var.Options ? var.Options->TextToValue(text) : text;
}

// --- Varbinds --------------------------------------------------------------------

std::string VarbindValueText(const KvVarbind& vb, uint32_t syntax) {
    if (!IsKnownSyntax(syntax) || syntax >= synPartTruth1) RaiseDeRIRA(-511);
    if (!IsHexCode(syntax) && PrintableIsEmpty(vb)) return syntax == synDisplayString ? "" : kNullText;
    switch (syntax) {
    case synTruthValue: return UnsignedValue(vb) != 0 ? "true" : "false";
    case synInteger: return std::to_string(static_cast<int32_t>(Unsigned32(vb)));
    case synBits: case synOctetString: case synOpaque: case synMacAddress: case synAddress16:
        return OctetsToHex(vb.Octets);
    case synNull: return kNullText;
    case synObjectId: return vb.ObjectId;
    case synIpAddress: case synNetAddress:
        // An address of fewer than four octets cannot come from a sound agent.
        if (vb.Octets.size() < 4) RaiseDeRIRA(-518);
        return IpOctetsToDotted(vb.Octets);
    case synCounter32: case synGauge32: case synUInteger32: return std::to_string(Unsigned32(vb));
    case synTimeTicks: return TimeTicksToText(Unsigned32(vb));
    case synCounter64:
        return std::to_string(vb.Type == kvSmiCounter64 ? vb.Counter64 : static_cast<uint64_t>(Unsigned32(vb)));
    case synDouble: return FloatToText(BitsToDouble(ReadLE64(FixedOctets(vb, 8), 0)));
    case synDateAndTime:
        // The 8-octet form of DateAndTime (no zone) is valid: the zone reads as absent.
        return KvDateTime::FromNetworkOctets(FixedOctets(vb, 8)).ToText();
    case synDateTimeDouble: return DateTimeToText(BitsToDouble(ReadLE64(FixedOctets(vb, 8), 0)));
    case synDisplayString: return CharactersOf(vb.Octets);
    }
    RaiseDeRIRA(-511);
}

void ValueTextToVarbind(const std::string& text, uint32_t syntax, KvVarbind& vb) {
    if (!IsKnownSyntax(syntax) || syntax >= synPartTruth1) RaiseDeRIRA(-511);
    vb.Integer = 0;
    vb.Counter64 = 0;
    vb.Octets.clear();
    vb.ObjectId.clear();
    if (syntax == synNull || IsSpecialText(text)) {
        vb.Type = kvSmiNull;
        return;
    }
    switch (syntax) {
    case synTruthValue:
        vb.Type = kvSmiInteger;
        vb.Integer = text == "true" ? 1 : 0;
        return;
    case synInteger:
        vb.Type = kvSmiInteger;
        vb.Integer = ReadDecimalInt32(text);
        return;
    case synBits: case synOctetString: case synOpaque: case synMacAddress: case synAddress16:
        vb.Type = kvSmiOctetString;
        vb.Octets = HexToOctets(text);
        return;
    case synObjectId:
        vb.Type = kvSmiObjectId;
        vb.ObjectId = Dotted(OidArcs(text));
        return;
    case synIpAddress: case synNetAddress:
        vb.Type = kvSmiIpAddress;
        vb.Octets = DottedToIpOctets(text);
        return;
    case synCounter32: case synGauge32: case synUInteger32:
        vb.Type = kvSmiGauge32;
        vb.Integer = ReadDecimalUInt32(text);
        return;
    case synTimeTicks:
        vb.Type = kvSmiTimeTicks;
        vb.Integer = TextToTimeTicks(text);
        return;
    case synCounter64:
        vb.Type = kvSmiCounter64;
        vb.Counter64 = ReadDecimalUInt64(text);
        return;
    case synDouble: case synDateAndTime: case synDateTimeDouble: case synDisplayString:
        vb.Type = kvSmiOctetString;
        vb.Octets = TextToOctets(text, syntax);
        return;
    }
    RaiseDeRIRA(-511);
}

void VarbindToText(KvSNMPVarList& list, int i, const KvVarbind& varbind) {
    KvSNMPVar& var = list.Item(i);
    var.Value = OptionValueToText(var, VarbindValueText(varbind, var.Syntax));
}

void TextToVarbind(const KvSNMPVarList& list, int i, KvVarbind& varbind) {
    const KvSNMPVar& var = list.Item(i);
    ValueTextToVarbind(OptionTextToValue(var, var.Value), var.Syntax, varbind);
}

// --- Keys ------------------------------------------------------------------------

std::string DecodeKey(KvSNMPVarList& list, int i, const std::string& suffix) {
    KvSNMPVar& var = list.Item(i);
    const bool implied = IsLastImplied(list, i);
    SuffixReader reader(suffix);
    std::string text;
    switch (var.Syntax) {
    case synTruthValue: text = reader.Take(1)[0] != 0 ? "true" : "false"; break;
    case synInteger: text = std::to_string(static_cast<int32_t>(reader.Take(1)[0])); break;
    case synCounter32: case synGauge32: case synUInteger32: text = std::to_string(reader.Take(1)[0]); break;
    case synTimeTicks: text = TimeTicksToText(reader.Take(1)[0]); break;
    case synIpAddress: case synNetAddress: text = Dotted(reader.Take(4)); break;
    case synCounter64: {
        const auto arcs = reader.Take(2);
        text = std::to_string((static_cast<uint64_t>(arcs[0]) << 32) | arcs[1]);
        break;
    }
    case synDouble: {
        const auto arcs = reader.Take(2);
        text = FloatToText(DoubleOfArcs(arcs[0], arcs[1]));
        break;
    }
    case synDateTimeDouble: {
        const auto arcs = reader.Take(2);
        text = DateTimeToText(DoubleOfArcs(arcs[0], arcs[1]));
        break;
    }
    case synMacAddress: text = OctetsToHex(OctetsOfArcs(reader.Take(6))); break;
    case synDateAndTime: text = KvDateTime::FromNetworkOctets(OctetsOfArcs(reader.Take(11))).ToText(); break;
    case synNull: text = kNullText; break;
    case synBits: case synOctetString: case synOpaque: case synDisplayString: case synObjectId: {
        std::vector<uint32_t> arcs;
        if (implied) {
            arcs = reader.TakeAll();
        } else {
            const uint32_t length = reader.Take(1)[0];
            arcs = reader.Take(length);   // a length beyond the suffix raises -514
        }
        if (var.Syntax == synObjectId) text = Dotted(arcs);
        else if (var.Syntax == synDisplayString) text = CharactersOf(OctetsOfArcs(arcs));
        else text = OctetsToHex(OctetsOfArcs(arcs));
        break;
    }
    case synAddress16:
        text = OctetsToHex(OctetsOfArcs(implied ? reader.TakeAll() : reader.Take(16)));
        break;
    default:
        RaiseDeRIRA(-511);
    }
    var.Value = OptionValueToText(var, text);
    return reader.Rest();
}

std::string EncodeKey(const KvSNMPVarList& list, int i) {
    const KvSNMPVar& var = list.Item(i);
    const std::string text = OptionTextToValue(var, var.Value);
    const bool implied = IsLastImplied(list, i);
    auto withLength = [implied](const std::string& arcs, size_t count) {
        if (implied) return arcs;
        if (count == 0) return std::string("0");
        return std::to_string(count) + "." + arcs;
    };
    switch (var.Syntax) {
    case synTruthValue: return text == "true" ? "1" : "0";
    // A negative INTEGER index goes out as its 32-bit two's complement, which
    // DecodeKey reads back as the same number.
    case synInteger: return std::to_string(static_cast<uint32_t>(ReadDecimalInt32(text)));
    case synCounter32: case synGauge32: case synUInteger32: return std::to_string(ReadDecimalUInt32(text));
    case synTimeTicks: return std::to_string(TextToTimeTicks(text));
    case synIpAddress: case synNetAddress: return ArcsOfOctets(DottedToIpOctets(text));
    case synCounter64: {
        const uint64_t value = ReadDecimalUInt64(text);
        return std::to_string(static_cast<uint32_t>(value >> 32)) + "." + std::to_string(static_cast<uint32_t>(value));
    }
    case synDouble: return LowHighArcs(ReadDecimalReal(text));
    case synDateTimeDouble: return LowHighArcs(TextToDateTime(text));
    case synMacAddress: {
        const std::string octets = HexToOctets(text);
        return octets.size() < 6 ? std::string() : ArcsOfOctets(octets.substr(0, 6));
    }
    case synAddress16: {
        const std::string octets = HexToOctets(text);
        if (implied) return ArcsOfOctets(octets);
        return octets.size() < 16 ? std::string() : ArcsOfOctets(octets.substr(0, 16));
    }
    case synDateAndTime: return ArcsOfOctets(KvDateTime(text).ToNetworkOctets());
    case synNull: return {};
    case synBits: case synOctetString: case synOpaque: {
        const std::string octets = HexToOctets(text);
        return withLength(ArcsOfOctets(octets), octets.size());
    }
    case synDisplayString: return withLength(ArcsOfOctets(text), text.size());
    case synObjectId: {
        const auto arcs = OidArcs(text);
        return withLength(Dotted(arcs), arcs.size());
    }
    default:
        RaiseDeRIRA(-511);
    }
}

// --- Expressions -----------------------------------------------------------------

namespace {

std::string ExpressionText(const KvSNMPVarList& list, int d, bool quote) {
    const KvSNMPVar& var = list.Item(d);
    const std::string text = OptionTextToValue(var, var.Value);
    if (text == kNullText) RaiseDeRIRA(-512);
    switch (var.Syntax) {
    case synTruthValue: case synPartTruth1: case synPartTruth2:
        return text == "true" ? "1" : "0";
    case synInteger: case synCounter32: case synGauge32: case synCounter64: case synUInteger32: case synDouble:
    case synPartInt1: case synPartUInt1: case synPartInt2: case synPartUInt2:
        return text;
    case synTimeTicks: return std::to_string(TextToTimeTicks(text));
    case synDateTimeDouble: return FloatToText(TextToDateTime(text));
    default:
        if (!quote) RaiseDeRIRA(-513);
        return "\"" + text + "\"";
    }
}

} // namespace

std::string SubstituteExpression(const KvSNMPVarList& list, const std::string& expression,
                                 const std::string& marker, bool quote) {
    if (marker.empty()) return expression;
    std::string result;
    size_t from = 0;
    for (;;) {
        const size_t at = expression.find(marker, from);
        if (at == std::string::npos) break;
        size_t end = at + marker.size();
        size_t digits = end;
        while (digits < expression.size() && expression[digits] >= '0' && expression[digits] <= '9') ++digits;
        result.append(expression, from, at - from);
        if (digits == end) {
            // No variable number: the marker is ordinary text.
            result.append(marker);
            from = end;
            continue;
        }
        const std::string_view number = std::string_view(expression).substr(end, digits - end);
        const uint64_t index = ReadDecimalUInt64(number);
        if (index >= static_cast<uint64_t>(list.Count())) RaiseKvCommon(-12);
        // Inserted text goes to the result, which is never searched again.
        result.append(ExpressionText(list, static_cast<int>(index), quote));
        from = digits;
    }
    result.append(expression, from, std::string::npos);
    return result;
}

void StoreComputedValue(KvSNMPVarList& list, int i, double value) {
    KvSNMPVar& var = list.Item(i);
    std::string text;
    switch (var.Syntax) {
    case synTruthValue: text = value != 0.0 ? "true" : "false"; break;
    case synInteger: text = std::to_string(TruncateToInt32(value)); break;
    case synCounter32: case synGauge32: case synUInteger32: text = std::to_string(TruncateToUInt32(value)); break;
    case synTimeTicks: text = TimeTicksToText(TruncateToUInt32(value)); break;
    case synCounter64: text = std::to_string(TruncateToUInt64(value)); break;
    case synDouble: text = FloatToText(value); break;
    case synDateTimeDouble: text = DateTimeToText(value); break;
    default:
        RaiseDeRIRA(-513);
    }
    var.Value = OptionValueToText(var, text);
}

void ComputeExpression(KvSNMPVarList& list, int i, int direction) {
    const KvSNMPVar& var = list.Item(i);
    const std::optional<std::string>& expression = direction == 1 ? var.GetExpression : var.SetExpression;
    if (!expression) return;
    const std::string substituted = SubstituteExpression(list, *expression, "$", false);
    StoreComputedValue(list, i, EvaluateArithmetic(substituted));
}

bool TestCondition(const KvSNMPVarList& list, const std::string& expression) {
    if (expression.empty()) return true;
    return EvaluateCondition(SubstituteExpression(list, expression, "$", true));
}

bool IsColumnEnd(const KvSNMPVarList& list, const std::string& base, const std::string& requested,
                 const std::string& returned) {
    if (list.Kind != KvSNMPVarList::kTable && list.Kind != KvSNMPVarList::kTableEditKeys) return false;
    // Below the column means the column's text followed by "." (a bare text
    // prefix would take column 1.10 as part of column 1.1).
    const bool below = returned.size() > base.size() + 1 && returned.compare(0, base.size(), base) == 0 &&
                       returned[base.size()] == '.';
    return !(below && returned != requested);
}

// --- KvSNMPConverter ---------------------------------------------------------------

std::string KvSNMPConverter::SubstituteExpression(const std::string& expression, const std::string& marker,
                                                  bool quote) {
    return ::SubstituteExpression(VarList, expression, marker, quote);
}

std::string KvSNMPConverter::DecodeKey(int i, const std::string& suffix) { return ::DecodeKey(VarList, i, suffix); }

std::string KvSNMPConverter::EncodeKey(int i) { return ::EncodeKey(VarList, i); }

void KvSNMPConverter::VarbindToText(int i, const KvVarbind& varbind) { ::VarbindToText(VarList, i, varbind); }

void KvSNMPConverter::TextToVarbind(int i, KvVarbind& varbind) { ::TextToVarbind(VarList, i, varbind); }

void KvSNMPConverter::ComputeExpression(int i, int direction) {
    const KvSNMPVar& var = VarList.Item(i);
    const std::optional<std::string>& expression = direction == 1 ? var.GetExpression : var.SetExpression;
    if (!expression) return;
    const std::string substituted = SubstituteExpression(*expression, "$", false);
    StoreComputedValue(VarList, i, EvaluateArithmetic(substituted));
}

bool KvSNMPConverter::TestCondition(const std::string& expression) {
    if (expression.empty()) return true;
    return EvaluateCondition(SubstituteExpression(expression, "$", true));
}

bool KvSNMPConverter::IsColumnEnd(const std::string& base, const std::string& requested,
                                  const std::string& returned) {
    return ::IsColumnEnd(VarList, base, requested, returned);
}
