#pragma once
// Variable definitions and variable lists.
//
// Every SNMP variable the module reads or writes is described by one static
// record, _SNMPVar_s, in a table per MIB group or table. A form builds a
// KvSNMPVarList from such a table; the list owns copies of the records that
// carry the run-time state (current value text, instance OID), so one static
// table serves any number of open forms.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class KvOptionList;

// --- Flag bits of _SNMPVar_s::Flags ------------------------------------------
enum : uint32_t {
    vfKey = 0x01,       // key column decoded from the instance (not-accessible index)
    vfRead = 0x02,      // readable: included in get and get-next PDUs
    vfWrite = 0x04,     // writable: included in set PDUs
    vfListShow = 0x08,  // list-view column although not readable
    vfListHide = 0x10,  // list-view column of width 0
    vfExcluded = 0x20,  // run-time: left out of every PDU and control binding
    vfImplied = 0x40,   // last key encoded without a leading length sub-identifier
};

// Flag words used by the tables.
enum : uint32_t {
    vfReadOnly = vfRead,                 // 0x02
    vfReadWrite = vfRead | vfWrite,      // 0x06
    vfIndex = vfKey,                     // 0x01 not-accessible key
    vfImpliedIndex = vfKey | vfImplied,  // 0x41 not-accessible text key, last, implied
};

// --- Syntax codes (the BER tag where one exists) -----------------------------
enum : uint32_t {
    synTruthValue = 1,        // INTEGER; "true"/"false"
    synInteger = 2,           // signed 32-bit
    synBits = 3,              // port list / BITS: octets, hexadecimal text
    synOctetString = 4,       // octets, hexadecimal text
    synNull = 5,              // no value
    synObjectId = 6,          // dotted decimal
    synIpAddress = 64,        // 4 octets, dotted text
    synCounter32 = 65,        // unsigned 32-bit
    synGauge32 = 66,          // unsigned 32-bit
    synTimeTicks = 67,        // hundredths of a second
    synOpaque = 68,           // octets, hexadecimal text
    synNetAddress = 69,       // 4-octet address, handled exactly like IpAddress
    synCounter64 = 70,        // unsigned 64-bit
    synUInteger32 = 71,       // unsigned 32-bit
    synDouble = 72,           // IEEE 754 double in 8 octets
    synMacAddress = 73,       // 6 octets, hexadecimal text
    synDateAndTime = 74,      // 11 octets (RFC 2579)
    synDateTimeDouble = 75,   // date-time number (days since 1899-12-30) in 8 octets
    synDisplayString = 76,    // octets shown as text
    synAddress16 = 77,        // 16 octets, hexadecimal text
    // Partial data only (one value at a byte offset inside an octet string).
    synPartTruth1 = 193,      // 1-octet truth value
    synPartInt1 = 194,        // 1-octet signed integer
    synPartUInt1 = 195,       // 1-octet unsigned integer
    synPartTruth2 = 196,      // 2-octet truth value, network byte order
    synPartInt2 = 197,        // 2-octet integer, network byte order
    synPartUInt2 = 198,       // 2-octet integer, network byte order
};

// True for every code above.
bool IsKnownSyntax(uint32_t syntax);

// Special value texts.
inline constexpr const char* kNullText = "(NULL)";       // absent value / NULL varbind
inline constexpr const char* kNotDoneText = "(NOTDONE)"; // table column ended during a walk

// --- The static variable record -----------------------------------------------
// A static table is an array of records ended by a record whose Oid is null:
//
//   const _SNMPVar_s Layer2ControlVars[] = {
//       {"1.3.6.1.4.1.99402.12.1.1.2.1.2", "Description", synDisplayString, vfReadWrite},
//       {"1.3.6.1.4.1.99402.12.1.1.2.1.3", "State",       synInteger,       vfReadWrite, &StateOptions},
//       {},
//   };
struct _SNMPVar_s {
    const char* Oid = nullptr;            // dotted decimal, without instance
    const char* Name = nullptr;           // display name
    uint32_t Syntax = 0;                  // syntax code
    uint32_t Flags = 0;                   // flag bits
    const KvOptionList* Options = nullptr;  // shared, never copied
    const char* GetExpression = nullptr;  // computes the value after each read
    const char* SetExpression = nullptr;  // computes the value before each set
    const char* AuxText = nullptr;        // copied with the record, never read
    const char* Value = nullptr;          // run-time; null in static tables
    const char* InstanceOid = nullptr;    // run-time; null in static tables
};

// --- The owned copy of a record -----------------------------------------------
// Optional texts keep the difference between absent (nullopt) and empty.
struct KvSNMPVar {
    std::string Oid;
    std::string Name;
    uint32_t Syntax = 0;
    uint32_t Flags = 0;
    const KvOptionList* Options = nullptr;
    std::optional<std::string> GetExpression;
    std::optional<std::string> SetExpression;
    std::optional<std::string> AuxText;
    std::string Value;        // current value in its text form
    std::string InstanceOid;  // full OID of the instance last read or addressed

    KvSNMPVar() = default;
    explicit KvSNMPVar(const _SNMPVar_s& record);
};

// --- The variable list -----------------------------------------------------------
class KvSNMPVarList {
public:
    enum : uint8_t {
        kScalars = 0,          // Oid [+ "." Instance] + ".0", read with get
        kOneInstance = 1,      // Oid + "." Instance, get (or get-next)
        kTable = 2,            // column OIDs, walked with get-next; keys from the instance
        kTableEditKeys = 3,    // as kTable; key columns are editable
    };

    std::string Instance;   // suffix appended with "." to every Oid when not empty
    int32_t KeyCount = 0;   // kinds 2 and 3: the first KeyCount records are the keys
    uint8_t Kind = kScalars;
    std::string Label;      // request label for status messages

    KvSNMPVarList() = default;
    // Kind and key count from the arguments, then Append(table).
    KvSNMPVarList(const _SNMPVar_s* table, uint8_t kind, int32_t keyCount);
    // Empty Instance, then Assign(other): the copy does not take the Instance.
    KvSNMPVarList(const KvSNMPVarList& other);
    // Moving hands the whole list over, Instance included.
    KvSNMPVarList(KvSNMPVarList&&) noexcept = default;
    // Use Assign() to copy into an existing list (it deliberately keeps Instance).
    KvSNMPVarList& operator=(const KvSNMPVarList&) = delete;
    KvSNMPVarList& operator=(KvSNMPVarList&&) = delete;

    // Adds copies of the table's records up to the first record with a null
    // Oid. A null or empty table adds nothing.
    void Append(const _SNMPVar_s* table);
    // Drops the own records; takes Kind, KeyCount and Label (not Instance) and
    // deep copies of every record, values and instance OIDs included. Option
    // lists are shared; the other list's owned option lists are kept alive by
    // this list too. Assigning a list to itself changes nothing.
    void Assign(const KvSNMPVarList& other);

    int Count() const { return static_cast<int>(vars_.size()); }
    // Record i; raises KvCommon -12 for an index outside 0..Count()-1. The
    // reference stays valid until the record is dropped (Assign, destruction).
    KvSNMPVar& Item(int i);
    const KvSNMPVar& Item(int i) const;

    // Tests on the copied record's current Flags.
    bool IsRead(int i) const;          // vfRead set, vfExcluded clear
    bool IsSettable(int i) const;      // vfExcluded clear; vfWrite, or a key of kind 2/3
    bool IsListColumn(int i) const;    // vfExcluded, vfListHide clear; vfKey|vfRead|vfListShow
    bool IsHiddenColumn(int i) const;  // flags exactly 0x04, or vfExcluded, or vfListHide
    bool IsImplied(int i) const;       // vfImplied set
    int ListColumnCount() const;
    int HiddenColumnCount() const;

    // Option lists freed with the list (shared by copies of the list).
    void AdoptOptionList(std::shared_ptr<const KvOptionList> options);
    const std::vector<std::shared_ptr<const KvOptionList>>& OwnedOptionLists() const { return ownedOptionLists_; }

private:
    std::vector<std::unique_ptr<KvSNMPVar>> vars_;
    std::vector<std::shared_ptr<const KvOptionList>> ownedOptionLists_;
};
