#include "mibengine.h"

#include "textfile.h"

#include <algorithm>
#include <set>

namespace kxsim {

namespace {

constexpr long long kActive = 1, kNotInService = 2, kNotReady = 3, kCreateAndGo = 4, kCreateAndWait = 5,
                    kDestroy = 6;

bool ParseAccess(const std::string& text, Access* access) {
    if (text == "not-accessible") *access = Access::NotAccessible;
    else if (text == "read-only") *access = Access::ReadOnly;
    else if (text == "read-write") *access = Access::ReadWrite;
    else if (text == "read-create") *access = Access::ReadCreate;
    else return false;
    return true;
}

// SYNTAX [CONSTRAINTS...] ACCESS [= VALUE] starting at tokens[at].
bool ParseTypeAndAccess(const std::vector<std::string>& tokens, size_t at, Syntax* syntax, Access* access,
                        std::optional<std::string>* value, std::string* error) {
    if (at >= tokens.size()) {
        *error = "syntax missing";
        return false;
    }
    const std::string keyword = tokens[at++];
    std::vector<std::string> constraints;
    while (at < tokens.size() && IsConstraintToken(tokens[at])) constraints.push_back(tokens[at++]);
    if (!MakeSyntax(keyword, constraints, syntax, error)) return false;
    if (at >= tokens.size() || !ParseAccess(tokens[at], access)) {
        *error = "access (not-accessible, read-only, read-write, read-create) expected";
        return false;
    }
    ++at;
    value->reset();
    if (at < tokens.size()) {
        if (tokens[at] != "=" || at + 2 != tokens.size()) {
            *error = "'= VALUE' expected after the access";
            return false;
        }
        *value = tokens[at + 1];
    }
    return true;
}

} // namespace

bool LoadObjectFile(const std::string& path, ObjectDefs* defs, std::string* error) {
    std::vector<TextLine> lines;
    if (!ReadTextLines(path, &lines, error)) return false;
    TableDef* table = nullptr;
    std::vector<std::string> indexNames;
    auto fail = [&](const TextLine& line, const std::string& why) {
        *error = path + ":" + std::to_string(line.Number) + ": " + why;
        return false;
    };
    auto finishTable = [&](const TextLine& line) {
        // Stable: external index objects (number 0) keep their written order,
        // which is the order of their values in the rows.
        std::stable_sort(table->Columns.begin(), table->Columns.end(),
                         [](const ColumnDef& a, const ColumnDef& b) { return a.Number < b.Number; });
        for (size_t i = 1; i < table->Columns.size(); ++i)
            if (table->Columns[i].Number != 0 && table->Columns[i].Number == table->Columns[i - 1].Number)
                return fail(line, "column " + std::to_string(table->Columns[i].Number) + " declared twice");
        if (table->Columns.empty()) return fail(line, "table " + table->Name + " has no columns");
        if (indexNames.empty()) return fail(line, "table " + table->Name + " has no index");
        for (const std::string& name : indexNames) {
            auto it = std::find_if(table->Columns.begin(), table->Columns.end(),
                                   [&](const ColumnDef& c) { return c.Name == name; });
            if (it == table->Columns.end()) return fail(line, "index column " + name + " is not a column");
            table->IndexColumns.push_back(static_cast<size_t>(it - table->Columns.begin()));
        }
        for (size_t i = 0; i < table->Columns.size(); ++i) {
            if (!table->Columns[i].Syn.RowStatus && !table->Columns[i].Syn.EntryStatus) continue;
            if (table->RowStatusColumn >= 0) return fail(line, "two row status columns");
            table->RowStatusColumn = static_cast<int>(i);
        }
        for (const auto& row : table->Rows)
            if (row.size() != table->Columns.size())
                return fail(line, "a row of " + table->Name + " has " + std::to_string(row.size()) +
                                      " values for " + std::to_string(table->Columns.size()) + " columns");
        table = nullptr;
        indexNames.clear();
        return true;
    };

    for (const TextLine& line : lines) {
        const auto& t = line.Tokens;
        const std::string& word = t[0];
        if (!table) {
            if (word == "scalar") {
                if (t.size() < 5) return fail(line, "scalar NAME OID SYNTAX ACCESS [= VALUE]");
                ScalarDef s;
                s.Name = t[1];
                s.Where = path + ":" + std::to_string(line.Number);
                if (!ParseOid(t[2], &s.Id)) return fail(line, "bad OID " + t[2]);
                std::optional<std::string> value;
                std::string why;
                if (!ParseTypeAndAccess(t, 3, &s.Syn, &s.Acc, &value, &why)) return fail(line, why);
                if (!value) return fail(line, "scalar " + s.Name + " needs '= VALUE'");
                s.Value = *value;
                defs->Scalars.push_back(std::move(s));
            } else if (word == "table") {
                if (t.size() != 3) return fail(line, "table NAME ENTRY-OID");
                defs->Tables.emplace_back();
                table = &defs->Tables.back();
                table->Name = t[1];
                table->Where = path + ":" + std::to_string(line.Number);
                if (!ParseOid(t[2], &table->Entry) || table->Entry.size() < 2) return fail(line, "bad OID " + t[2]);
            } else {
                return fail(line, "'scalar' or 'table' expected, not '" + word + "'");
            }
            continue;
        }
        if (word == "end") {
            if (!finishTable(line)) return false;
        } else if (word == "index") {
            for (size_t i = 1; i < t.size(); ++i) {
                if (t[i] == "implied" && i + 1 == t.size()) table->Implied = true;
                else indexNames.push_back(t[i]);
            }
        } else if (word == "rows") {
            if (t.size() != 2) return fail(line, "rows SOURCE");
            table->Source = t[1];
        } else if (word == "column") {
            ColumnDef c;
            unsigned long long number = 0;
            if (t.size() < 5 || !ParseUnsigned(t[1], &number) || number == 0 || number > 0xFFFFFFFFull)
                return fail(line, "column N NAME SYNTAX ACCESS [= DEFAULT]");
            c.Number = static_cast<unsigned>(number);
            c.Name = t[2];
            std::string why;
            if (!ParseTypeAndAccess(t, 3, &c.Syn, &c.Acc, &c.Default, &why)) return fail(line, why);
            table->Columns.push_back(std::move(c));
        } else if (word == "external") {
            // An index object that belongs to another table: column 0, never
            // addressed itself.
            ColumnDef c;
            std::vector<std::string> withAccess(t.begin(), t.end());
            if (t.size() < 5) return fail(line, "external NAME SYNTAX = VALUE");
            c.Name = t[1];
            withAccess.insert(withAccess.end() - 2, "not-accessible");
            std::string why;
            if (!ParseTypeAndAccess(withAccess, 2, &c.Syn, &c.Acc, &c.Default, &why)) return fail(line, why);
            table->Columns.push_back(std::move(c));
        } else if (word == "row") {
            table->Rows.emplace_back(t.begin() + 1, t.end());
        } else {
            return fail(line, "'index', 'rows', 'column', 'external', 'row' or 'end' expected, not '" + word + "'");
        }
    }
    if (table) {
        *error = path + ": table " + table->Name + " lacks 'end'";
        return false;
    }
    return true;
}

bool ExpandTemplate(const TemplateResolver& resolver, const std::string& source, int row,
                    const std::string& text, std::string* out, std::string* error) {
    out->clear();
    size_t at = 0;
    while (true) {
        size_t open = text.find("${", at);
        if (open == std::string::npos) {
            out->append(text, at, std::string::npos);
            return true;
        }
        size_t close = text.find('}', open);
        if (close == std::string::npos) {
            *error = "unterminated ${ in " + text;
            return false;
        }
        out->append(text, at, open - at);
        const std::string name = text.substr(open + 2, close - open - 2);
        std::string value;
        if (!resolver.Resolve(source, row, name, &value) &&
            (source.empty() || !resolver.Resolve(std::string(), -1, name, &value))) {
            *error = "unknown name ${" + name + "}" + (source.empty() ? "" : " for rows of " + source);
            return false;
        }
        out->append(value);
        at = close + 1;
    }
}

namespace {

Cell MakeCell(const std::string& text) {
    Cell c;
    c.Present = true;
    c.Template = true;
    c.Text = text;
    return c;
}

bool IsTemplate(const std::string& text) { return text.find("${") != std::string::npos; }

} // namespace

bool MibEngine::Load(ObjectDefs defs, std::string* error) {
    defs_ = std::move(defs);
    objects_.clear();
    std::set<Oid> roots;
    for (const ScalarDef& s : defs_.Scalars) {
        auto o = std::make_unique<MibObject>();
        o->Type = MibObject::Kind::Scalar;
        o->Name = s.Name;
        o->Root = s.Id;
        o->ScalarDefinition = &s;
        o->ScalarCell = MakeCell(s.Value);
        Value probe;
        std::string why;
        if (!ReadScalar(*o, &probe, &why)) {
            *error = s.Where + ": " + s.Name + ": " + why;
            return false;
        }
        if (!IsTemplate(s.Value)) {
            o->ScalarCell.Template = false;
            o->ScalarCell.Val = probe;
        }
        if (!roots.insert(o->Root).second) {
            *error = s.Where + ": " + OidText(o->Root) + " is declared twice";
            return false;
        }
        objects_.push_back(std::move(o));
    }
    for (const TableDef& t : defs_.Tables) {
        auto o = std::make_unique<MibObject>();
        o->Type = MibObject::Kind::Table;
        o->Name = t.Name;
        o->Root.assign(t.Entry.begin(), t.Entry.end() - 1);
        o->TableDefinition = &t;
        if (!roots.insert(o->Root).second) {
            *error = t.Where + ": " + OidText(o->Root) + " is declared twice";
            return false;
        }
        std::vector<std::pair<std::string, int>> rowOrigins;  // source, row (-1: fixed row i)
        int count = 0;
        if (!t.Source.empty()) {
            count = resolver_.SourceRows(t.Source);
            if (count < 0) {
                *error = t.Where + ": unknown row source '" + t.Source + "'";
                return false;
            }
        }
        auto addRow = [&](Row row, const std::string& what) -> bool {
            std::vector<Value> indexValues;
            for (size_t pos : t.IndexColumns) {
                Value v;
                std::string why;
                if (!ReadCell(*o, &row, pos, &v, &why)) {
                    *error = t.Where + ": index " + t.Columns[pos].Name + " of " + what + ": " + why;
                    return false;
                }
                indexValues.push_back(v);
            }
            Oid index;
            if (!EncodeIndex(t, indexValues, &index)) {
                *error = t.Where + ": index of " + what + " cannot be encoded";
                return false;
            }
            for (size_t c = 0; c < t.Columns.size(); ++c) {
                Value v;
                std::string why;
                if (row.Cells[c].Present && !ReadCell(*o, &row, c, &v, &why)) {
                    *error = t.Where + ": " + t.Columns[c].Name + " of " + what + ": " + why;
                    return false;
                }
                if (row.Cells[c].Present && !IsTemplate(row.Cells[c].Text)) {
                    row.Cells[c].Template = false;
                    row.Cells[c].Val = v;
                }
            }
            if (!o->Rows.emplace(index, std::move(row)).second) {
                *error = t.Where + ": two rows with the index " + OidText(index);
                return false;
            }
            return true;
        };
        for (int r = 0; r < count; ++r) {
            Row row;
            row.Source = t.Source;
            row.SourceRow = r;
            for (const ColumnDef& c : t.Columns) row.Cells.push_back(c.Default ? MakeCell(*c.Default) : Cell{});
            if (!addRow(std::move(row), t.Source + " row " + std::to_string(r + 1))) return false;
        }
        for (size_t r = 0; r < t.Rows.size(); ++r) {
            Row row;
            for (const std::string& text : t.Rows[r]) row.Cells.push_back(text == "-" ? Cell{} : MakeCell(text));
            if (!addRow(std::move(row), "fixed row " + std::to_string(r + 1))) return false;
        }
        objects_.push_back(std::move(o));
    }
    std::sort(objects_.begin(), objects_.end(),
              [](const auto& a, const auto& b) { return a->Root < b->Root; });
    for (size_t i = 1; i < objects_.size(); ++i) {
        if (OidStartsWith(objects_[i]->Root, objects_[i - 1]->Root)) {
            *error = objects_[i]->Name + " lies inside " + objects_[i - 1]->Name;
            return false;
        }
    }
    return true;
}

std::vector<MibObject*> MibEngine::Objects() {
    std::vector<MibObject*> out;
    for (auto& o : objects_) out.push_back(o.get());
    return out;
}

MibObject* MibEngine::FindObject(const Oid& name) {
    for (auto& o : objects_)
        if (OidStartsWith(name, o->Root)) return o.get();
    return nullptr;
}

MibObject* MibEngine::FindObjectByName(const std::string& name) {
    for (auto& o : objects_)
        if (o->Name == name) return o.get();
    return nullptr;
}

bool MibEngine::ReadCell(const MibObject& object, const Row* row, size_t column, Value* value,
                         std::string* error) const {
    const Cell& cell = row->Cells[column];
    std::string text, why;
    if (!cell.Present) {
        why = "no value";
    } else if (!cell.Template) {
        *value = cell.Val;
        return true;
    } else if (ExpandTemplate(resolver_, row->Source, row->SourceRow, cell.Text, &text, &why) &&
               ParseValue(object.TableDefinition->Columns[column].Syn, text, value, &why)) {
        return true;
    }
    if (error) *error = why;
    return false;
}

bool MibEngine::ReadScalar(const MibObject& object, Value* value, std::string* error) const {
    const Cell& cell = object.ScalarCell;
    if (!cell.Template) {
        *value = cell.Val;
        return true;
    }
    std::string text, why;
    if (ExpandTemplate(resolver_, std::string(), -1, cell.Text, &text, &why) &&
        ParseValue(object.ScalarDefinition->Syn, text, value, &why))
        return true;
    if (error) *error = why;
    return false;
}

bool MibEngine::DecodeIndex(const TableDef& table, const Oid& index, std::vector<Value>* values) const {
    values->clear();
    size_t at = 0;
    for (size_t i = 0; i < table.IndexColumns.size(); ++i) {
        const Syntax& syn = table.Columns[table.IndexColumns[i]].Syn;
        const bool last = i + 1 == table.IndexColumns.size();
        Value v;
        v.Type = syn.Type;
        switch (syn.Type) {
        case ASN_INTEGER:
        case ASN_GAUGE:
        case ASN_COUNTER:
        case ASN_TIMETICKS:
            if (at >= index.size()) return false;
            v.Number = syn.Type == ASN_INTEGER ? static_cast<long long>(static_cast<int32_t>(index[at]))
                                               : static_cast<long long>(index[at]);
            ++at;
            break;
        case ASN_IPADDRESS:
            if (at + 4 > index.size()) return false;
            for (int k = 0; k < 4; ++k) {
                if (index[at + k] > 255) return false;
                v.Bytes += static_cast<char>(index[at + k]);
            }
            at += 4;
            break;
        case ASN_OCTET_STR: {
            size_t length = 0;
            if (syn.Size && syn.Size->first == syn.Size->second) length = syn.Size->first;
            else if (last && table.Implied) length = index.size() - at;
            else {
                if (at >= index.size()) return false;
                length = index[at++];
            }
            if (at + length > index.size()) return false;
            for (size_t k = 0; k < length; ++k) {
                if (index[at + k] > 255) return false;
                v.Bytes += static_cast<char>(index[at + k]);
            }
            at += length;
            break;
        }
        case ASN_OBJECT_ID: {
            size_t length = 0;
            if (last && table.Implied) length = index.size() - at;
            else {
                if (at >= index.size()) return false;
                length = index[at++];
            }
            if (at + length > index.size()) return false;
            v.Ids.assign(index.begin() + static_cast<long>(at), index.begin() + static_cast<long>(at + length));
            at += length;
            break;
        }
        default:
            return false;
        }
        if (CheckValue(syn, v) != SNMP_ERR_NOERROR) return false;
        values->push_back(std::move(v));
    }
    return at == index.size();
}

bool MibEngine::EncodeIndex(const TableDef& table, const std::vector<Value>& values, Oid* index) const {
    index->clear();
    for (size_t i = 0; i < values.size(); ++i) {
        const Syntax& syn = table.Columns[table.IndexColumns[i]].Syn;
        const bool last = i + 1 == values.size();
        const Value& v = values[i];
        switch (v.Type) {
        case ASN_INTEGER:
        case ASN_GAUGE:
        case ASN_COUNTER:
        case ASN_TIMETICKS:
            index->push_back(static_cast<oid>(static_cast<uint32_t>(v.Number)));
            break;
        case ASN_IPADDRESS:
        case ASN_OCTET_STR:
            if (v.Type == ASN_OCTET_STR && !(syn.Size && syn.Size->first == syn.Size->second) &&
                !(last && table.Implied))
                index->push_back(v.Bytes.size());
            for (unsigned char c : v.Bytes) index->push_back(c);
            break;
        case ASN_OBJECT_ID:
            if (!(last && table.Implied)) index->push_back(v.Ids.size());
            index->insert(index->end(), v.Ids.begin(), v.Ids.end());
            break;
        default:
            return false;
        }
    }
    return index->size() <= MAX_OID_LEN;
}

bool MibEngine::Get(const MibObject& object, const Oid& name, bool v1, Value* value, int* exception) const {
    *exception = SNMP_NOSUCHOBJECT;
    if (object.Type == MibObject::Kind::Scalar) {
        if (name.size() != object.Root.size() + 1 || name.back() != 0) {
            *exception = name.size() > object.Root.size() ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT;
            return false;
        }
        *exception = SNMP_NOSUCHINSTANCE;
        if (object.ScalarDefinition->Acc == Access::NotAccessible) return false;
        if (!ReadScalar(object, value)) return false;
        return !(v1 && value->Type == ASN_COUNTER64);
    }
    const TableDef& def = *object.TableDefinition;
    const size_t e = def.Entry.size();
    if (name.size() <= e || !OidStartsWith(name, def.Entry)) return false;
    auto col = std::find_if(def.Columns.begin(), def.Columns.end(),
                            [&](const ColumnDef& c) { return c.Number == name[e]; });
    if (col == def.Columns.end() || col->Acc == Access::NotAccessible) return false;
    *exception = SNMP_NOSUCHINSTANCE;
    auto row = object.Rows.find(Oid(name.begin() + static_cast<long>(e) + 1, name.end()));
    if (row == object.Rows.end()) return false;
    if (!ReadCell(object, &row->second, static_cast<size_t>(col - def.Columns.begin()), value)) return false;
    return !(v1 && value->Type == ASN_COUNTER64);
}

bool MibEngine::GetNext(const MibObject& object, const Oid& name, bool v1, Oid* found, Value* value) const {
    if (object.Type == MibObject::Kind::Scalar) {
        Oid instance = object.Root;
        instance.push_back(0);
        if (!(name < instance)) return false;
        if (object.ScalarDefinition->Acc == Access::NotAccessible) return false;
        if (!ReadScalar(object, value) || (v1 && value->Type == ASN_COUNTER64)) return false;
        *found = instance;
        return true;
    }
    const TableDef& def = *object.TableDefinition;
    const size_t e = def.Entry.size();
    // Where to start: a column number and an index after which to look.
    unsigned startColumn = 0;
    Oid after;
    bool inclusiveStart = true;  // no index given: the column's first row counts
    if (OidStartsWith(name, def.Entry)) {
        if (name.size() > e) {
            startColumn = static_cast<unsigned>(name[e]);
            if (name.size() > e + 1) {
                after.assign(name.begin() + static_cast<long>(e) + 1, name.end());
                inclusiveStart = false;
            }
        }
    } else if (def.Entry < name) {
        return false;  // past the table (for example table.2)
    }
    for (size_t c = 0; c < def.Columns.size(); ++c) {
        const ColumnDef& col = def.Columns[c];
        if (col.Number < startColumn || col.Acc == Access::NotAccessible) continue;
        auto it = (col.Number == startColumn && !inclusiveStart) ? object.Rows.upper_bound(after)
                                                                  : object.Rows.begin();
        for (; it != object.Rows.end(); ++it) {
            if (!ReadCell(object, &it->second, c, value)) continue;
            if (v1 && value->Type == ASN_COUNTER64) continue;
            *found = def.Entry;
            found->push_back(col.Number);
            found->insert(found->end(), it->first.begin(), it->first.end());
            return true;
        }
    }
    return false;
}

std::optional<Value> MibEngine::ReadColumn(const std::string& column, const Oid& index,
                                           std::string* label) const {
    for (const auto& o : objects_) {
        if (o->Type != MibObject::Kind::Table) continue;
        const TableDef& def = *o->TableDefinition;
        for (size_t c = 0; c < def.Columns.size(); ++c) {
            if (def.Columns[c].Name != column) continue;
            auto row = o->Rows.find(index);
            Value v;
            if (row == o->Rows.end() || !ReadCell(*o, &row->second, c, &v)) return std::nullopt;
            if (label) *label = def.Columns[c].Syn.LabelOf(v.Number);
            return v;
        }
    }
    return std::nullopt;
}

// ---- SET ----------------------------------------------------------------

struct MibObject::PendingSet {
    struct RowPlan {
        Oid Index;
        std::vector<Value> IndexValues;  // for rows being created
        long long Status = 0;            // RowStatus value set in this batch, 0 if none
        Value StatusValue;               // the value written to an EntryStatus column
        std::vector<std::pair<size_t, Value>> Writes;
    };
    std::vector<RowPlan> Plans;
    Value ScalarValue;
    // Undo information, filled by ApplySet.
    bool Applied = false;
    std::map<Oid, std::optional<Row>> RowsBefore;
    Cell ScalarBefore;
};

int MibEngine::CheckSet(MibObject& object, const std::vector<SetOp>& ops, size_t* failed) {
    object.Pending.reset();
    *failed = 0;
    return object.Type == MibObject::Kind::Scalar ? CheckScalarSet(object, ops, failed)
                                                  : CheckTableSet(object, ops, failed);
}

int MibEngine::CheckScalarSet(MibObject& object, const std::vector<SetOp>& ops, size_t* failed) {
    const ScalarDef& def = *object.ScalarDefinition;
    auto pending = std::make_shared<MibObject::PendingSet>();
    for (size_t i = 0; i < ops.size(); ++i) {
        *failed = i;
        const Oid& name = ops[i].Name;
        if (name.size() != def.Id.size() + 1 || name.back() != 0) return SNMP_ERR_NOCREATION;
        if (def.Acc == Access::NotAccessible) return SNMP_ERR_NOACCESS;
        if (def.Acc == Access::ReadOnly) return SNMP_ERR_NOTWRITABLE;
        int status = CheckValue(def.Syn, ops[i].Val);
        if (status != SNMP_ERR_NOERROR) return status;
        pending->ScalarValue = ops[i].Val;
    }
    object.Pending = pending;
    return SNMP_ERR_NOERROR;
}

bool MibEngine::RowComplete(const TableDef& def, const Row& row) const {
    for (size_t c = 0; c < def.Columns.size(); ++c) {
        const ColumnDef& col = def.Columns[c];
        if (static_cast<int>(c) == def.RowStatusColumn) continue;
        if (col.Acc != Access::ReadCreate && col.Acc != Access::ReadWrite) continue;
        if (std::find(def.IndexColumns.begin(), def.IndexColumns.end(), c) != def.IndexColumns.end()) continue;
        if (!row.Cells[c].Present) return false;
    }
    return true;
}

int MibEngine::CheckTableSet(MibObject& object, const std::vector<SetOp>& ops, size_t* failed) {
    const TableDef& def = *object.TableDefinition;
    const size_t e = def.Entry.size();
    auto pending = std::make_shared<MibObject::PendingSet>();
    std::vector<size_t> firstOp;  // per plan: position of its first op
    std::vector<size_t> statusOp;
    // Per varbind: the object must exist, be writable and take the value.
    for (size_t i = 0; i < ops.size(); ++i) {
        *failed = i;
        const Oid& name = ops[i].Name;
        if (name.size() <= e + 1 || !OidStartsWith(name, def.Entry)) return SNMP_ERR_NOCREATION;
        auto col = std::find_if(def.Columns.begin(), def.Columns.end(),
                                [&](const ColumnDef& c) { return c.Number == name[e]; });
        if (col == def.Columns.end()) return SNMP_ERR_NOCREATION;
        if (col->Acc == Access::NotAccessible) return SNMP_ERR_NOACCESS;
        if (col->Acc == Access::ReadOnly) return SNMP_ERR_NOTWRITABLE;
        int status = CheckValue(col->Syn, ops[i].Val);
        if (status != SNMP_ERR_NOERROR) return status;
        const size_t c = static_cast<size_t>(col - def.Columns.begin());
        if (col->Syn.RowStatus && ops[i].Val.Number == kNotReady) return SNMP_ERR_WRONGVALUE;
        Oid index(name.begin() + static_cast<long>(e) + 1, name.end());
        auto plan = std::find_if(pending->Plans.begin(), pending->Plans.end(),
                                 [&](const auto& p) { return p.Index == index; });
        if (plan == pending->Plans.end()) {
            pending->Plans.push_back({index, {}, 0, {}, {}});
            firstOp.push_back(i);
            statusOp.push_back(i);
            plan = pending->Plans.end() - 1;
        }
        const size_t p = static_cast<size_t>(plan - pending->Plans.begin());
        if (static_cast<int>(c) == def.RowStatusColumn) {
            if (plan->Status != 0) return SNMP_ERR_INCONSISTENTVALUE;
            plan->Status = ops[i].Val.Number;
            if (col->Syn.EntryStatus) {
                // Map the enumerated state onto the RowStatus actions.
                const std::string label = col->Syn.LabelOf(ops[i].Val.Number);
                const bool exists = object.Rows.count(index) > 0;
                plan->StatusValue = ops[i].Val;
                if (label == "invalid" || label == "delete") plan->Status = kDestroy;
                else if ((label == "valid" || label == "add") && !exists) plan->Status = kCreateAndGo;
                else plan->Status = kActive;
            }
            statusOp[p] = i;
        } else {
            plan->Writes.emplace_back(c, ops[i].Val);
        }
    }
    // Per row: creation, activation and deletion rules.
    for (size_t p = 0; p < pending->Plans.size(); ++p) {
        auto& plan = pending->Plans[p];
        auto existing = object.Rows.find(plan.Index);
        const bool exists = existing != object.Rows.end();
        *failed = firstOp[p];
        if (def.RowStatusColumn < 0) {
            if (!exists) return SNMP_ERR_NOCREATION;
            continue;
        }
        const long long s = plan.Status;
        if (s == 0) {
            if (!exists) return SNMP_ERR_NOCREATION;
            continue;
        }
        *failed = statusOp[p];
        if (s == kDestroy) continue;
        if (s == kCreateAndGo || s == kCreateAndWait) {
            if (exists) return SNMP_ERR_INCONSISTENTVALUE;
            if (!DecodeIndex(def, plan.Index, &plan.IndexValues)) return SNMP_ERR_INCONSISTENTNAME;
            if (s == kCreateAndGo) {
                Row probe;
                for (const ColumnDef& c : def.Columns) probe.Cells.push_back(c.Default ? MakeCell(*c.Default) : Cell{});
                for (const auto& [c, v] : plan.Writes) probe.Cells[c].Present = true;
                if (!RowComplete(def, probe)) return SNMP_ERR_INCONSISTENTVALUE;
            }
            continue;
        }
        // active or notInService: the row must exist and be complete.
        if (!exists) return SNMP_ERR_INCONSISTENTVALUE;
        Row probe = existing->second;
        for (const auto& [c, v] : plan.Writes) probe.Cells[c].Present = true;
        if (!RowComplete(def, probe)) return SNMP_ERR_INCONSISTENTVALUE;
    }
    object.Pending = pending;
    return SNMP_ERR_NOERROR;
}

void MibEngine::ApplySet(MibObject& object) {
    if (!object.Pending || object.Pending->Applied) return;
    auto& pending = *object.Pending;
    pending.Applied = true;
    if (object.Type == MibObject::Kind::Scalar) {
        pending.ScalarBefore = object.ScalarCell;
        object.ScalarCell = Cell{true, false, {}, pending.ScalarValue};
        return;
    }
    const TableDef& def = *object.TableDefinition;
    for (const auto& plan : pending.Plans) {
        auto it = object.Rows.find(plan.Index);
        if (!pending.RowsBefore.count(plan.Index))
            pending.RowsBefore[plan.Index] =
                it == object.Rows.end() ? std::nullopt : std::optional<Row>(it->second);
        if (plan.Status == kDestroy) {
            if (it != object.Rows.end()) object.Rows.erase(it);
            continue;
        }
        if (plan.Status == kCreateAndGo || plan.Status == kCreateAndWait) {
            Row row;
            for (const ColumnDef& c : def.Columns) row.Cells.push_back(c.Default ? MakeCell(*c.Default) : Cell{});
            for (size_t k = 0; k < def.IndexColumns.size(); ++k)
                row.Cells[def.IndexColumns[k]] = Cell{true, false, {}, plan.IndexValues[k]};
            it = object.Rows.emplace(plan.Index, std::move(row)).first;
        }
        Row& row = it->second;
        for (const auto& [c, v] : plan.Writes) row.Cells[c] = Cell{true, false, {}, v};
        if (def.RowStatusColumn < 0) continue;
        const size_t rs = static_cast<size_t>(def.RowStatusColumn);
        if (def.Columns[rs].Syn.EntryStatus) {
            if (plan.Status != 0) row.Cells[rs] = Cell{true, false, {}, plan.StatusValue};
            continue;
        }
        Value current;
        long long status = ReadCell(object, &row, rs, &current) ? current.Number : kActive;
        switch (plan.Status) {
        case kCreateAndGo:
        case kActive: status = kActive; break;
        case kNotInService: status = kNotInService; break;
        case kCreateAndWait: status = RowComplete(def, row) ? kNotInService : kNotReady; break;
        default:
            if (status == kNotReady && RowComplete(def, row)) status = kNotInService;
            break;
        }
        Value v;
        v.Type = ASN_INTEGER;
        v.Number = status;
        row.Cells[rs] = Cell{true, false, {}, v};
    }
}

void MibEngine::UndoSet(MibObject& object) {
    if (!object.Pending || !object.Pending->Applied) return;
    auto& pending = *object.Pending;
    if (object.Type == MibObject::Kind::Scalar) {
        object.ScalarCell = pending.ScalarBefore;
    } else {
        for (auto& [index, before] : pending.RowsBefore) {
            if (before) object.Rows[index] = *before;
            else object.Rows.erase(index);
        }
    }
    object.Pending.reset();
}

void MibEngine::FinishSet(MibObject& object) { object.Pending.reset(); }

} // namespace kxsim
