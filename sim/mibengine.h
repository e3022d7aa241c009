#pragma once
// The generic MIB engine: scalars and tables described by object files,
// their values kept in memory, and the checks and changes of SET requests
// (RowStatus included). It knows nothing about the switch; cell values may be
// templates such as "${port.link}" that a TemplateResolver fills in on every
// read, so live values follow the simulated stack until a SET replaces them.
//
// Object file format (one declaration per line, '#' comments):
//
//   scalar NAME OID SYNTAX [CONSTRAINTS] ACCESS [= VALUE]
//
//   table NAME ENTRY-OID
//     index COLUMN [COLUMN...] [implied]
//     rows SOURCE                      # one row per row of a resolver source
//     column N NAME SYNTAX [CONSTRAINTS] ACCESS [= DEFAULT]
//     external NAME SYNTAX [CONSTRAINTS] = VALUE   # index object of another
//                                       # table (ifIndex in ifXTable)
//     row VALUE VALUE ...               # a fixed row: one value per column
//   end
//
// SYNTAX is one of INTEGER Integer32 RowStatus TruthValue StorageType
// OCTET-STRING OctetString DisplayString SnmpAdminString MacAddress
// PhysAddress OBJECT-IDENTIFIER IpAddress Counter32 Gauge32 Unsigned32
// TimeTicks Counter64 EntryStatus. EntryStatus is an enumerated row state
// (default {other(1) invalid(2) valid(3)}): writing "valid" or "add" to a
// missing row creates it, "invalid" or "delete" removes the row. CONSTRAINTS: "{label(1) other(2)}", "(0..255)",
// "SIZE(0..32)". ACCESS: not-accessible read-only read-write read-create.
// A table with a RowStatus or EntryStatus column accepts row creation and
// deletion.
#include "value.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kxsim {

enum class Access { NotAccessible, ReadOnly, ReadWrite, ReadCreate };

struct ColumnDef {
    unsigned Number = 0;
    std::string Name;
    Syntax Syn;
    Access Acc = Access::ReadOnly;
    std::optional<std::string> Default;
};

struct TableDef {
    std::string Name;
    Oid Entry;
    std::vector<ColumnDef> Columns;    // ascending column numbers
    std::vector<size_t> IndexColumns;  // positions in Columns
    bool Implied = false;              // last index without length prefix
    std::string Source;                // rows from this resolver source
    std::vector<std::vector<std::string>> Rows;
    int RowStatusColumn = -1;          // position in Columns
    std::string Where;                 // file:line, for messages
};

struct ScalarDef {
    std::string Name;
    Oid Id;
    Syntax Syn;
    Access Acc = Access::ReadOnly;
    std::string Value;
    std::string Where;
};

struct ObjectDefs {
    std::vector<ScalarDef> Scalars;
    std::vector<TableDef> Tables;
};

// Reads one object file and appends its declarations.
bool LoadObjectFile(const std::string& path, ObjectDefs* defs, std::string* error);

// Supplies the values of ${name} templates.
class TemplateResolver {
public:
    virtual ~TemplateResolver() = default;
    // Number of rows of a source; -1 when there is no such source.
    virtual int SourceRows(const std::string& source) const = 0;
    // The text of ${name} for a row of a source; row -1 (source empty) for
    // names that belong to no row.
    virtual bool Resolve(const std::string& source, int row, const std::string& name, std::string* text) const = 0;
};

// Replaces every ${name} in text; false with *error naming an unknown name.
bool ExpandTemplate(const TemplateResolver& resolver, const std::string& source, int row,
                    const std::string& text, std::string* out, std::string* error);

struct Cell {
    bool Present = false;
    bool Template = false;  // Text is read through the resolver
    std::string Text;
    Value Val;
};

struct Row {
    std::string Source;
    int SourceRow = -1;
    std::vector<Cell> Cells;  // parallel to TableDef::Columns
};

// One registered object: a scalar or a table, served under Root.
struct MibObject {
    enum class Kind { Scalar, Table } Type = Kind::Scalar;
    std::string Name;
    Oid Root;  // scalar: its OID; table: the entry OID without its last arc
    const ScalarDef* ScalarDefinition = nullptr;
    const TableDef* TableDefinition = nullptr;
    Cell ScalarCell;
    std::map<Oid, Row> Rows;  // tables: by index

    // Set in progress (between the checking and the final phase).
    struct PendingSet;
    std::shared_ptr<PendingSet> Pending;
};

// One varbind of a SET.
struct SetOp {
    Oid Name;
    Value Val;
};

class MibEngine {
public:
    explicit MibEngine(const TemplateResolver& resolver) : resolver_(resolver) {}

    // Builds the objects and their rows; every template is tried once so that
    // a misspelt name fails here and not at the first read.
    bool Load(ObjectDefs defs, std::string* error);

    std::vector<MibObject*> Objects();
    // The object whose Root is a prefix of the OID.
    MibObject* FindObject(const Oid& name);
    MibObject* FindObjectByName(const std::string& name);

    // Value of an instance (exception: SNMP_NOSUCHOBJECT or SNMP_NOSUCHINSTANCE
    // when false). v1 requests never see Counter64 values.
    bool Get(const MibObject& object, const Oid& name, bool v1, Value* value, int* exception) const;
    // First instance after name inside the object; false when there is none.
    bool GetNext(const MibObject& object, const Oid& name, bool v1, Oid* found, Value* value) const;

    // Value of a column (by column name) of the row with this index, and its
    // enumeration label when the syntax has one.
    std::optional<Value> ReadColumn(const std::string& column, const Oid& index,
                                    std::string* label = nullptr) const;

    // SET in phases. Check returns an SNMP error status (SNMP_ERR_NOERROR
    // when the whole batch is acceptable) and the failing op's position.
    int CheckSet(MibObject& object, const std::vector<SetOp>& ops, size_t* failed);
    void ApplySet(MibObject& object);    // after a successful CheckSet
    void UndoSet(MibObject& object);     // after ApplySet, when another part failed
    void FinishSet(MibObject& object);   // commit or free: forget the pending set

    // Decoded index values of an index OID (false when it does not fit the
    // index columns' syntaxes).
    bool DecodeIndex(const TableDef& table, const Oid& index, std::vector<Value>* values) const;
    bool EncodeIndex(const TableDef& table, const std::vector<Value>& values, Oid* index) const;

private:
    bool ReadCell(const MibObject& object, const Row* row, size_t column, Value* value,
                  std::string* error = nullptr) const;
    bool ReadScalar(const MibObject& object, Value* value, std::string* error = nullptr) const;
    int CheckTableSet(MibObject& object, const std::vector<SetOp>& ops, size_t* failed);
    int CheckScalarSet(MibObject& object, const std::vector<SetOp>& ops, size_t* failed);
    bool RowComplete(const TableDef& def, const Row& row) const;

    const TemplateResolver& resolver_;
    ObjectDefs defs_;
    std::vector<std::unique_ptr<MibObject>> objects_;
};

} // namespace kxsim
