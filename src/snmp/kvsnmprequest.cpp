#include "kvsnmprequest.h"

#include "kvexception.h"
#include "kvmessages.h"
#include "kvnumlist.h"
#include "kvsnmpstatus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void RaiseSnmpCode(int code, const std::string& message) { throw KvException(message, code); }

namespace {

bool IsBelow(const std::string& oid, const std::string& base) {
    return oid.size() > base.size() + 1 && oid.compare(0, base.size(), base) == 0 && oid[base.size()] == '.';
}

// Restores the variable list when a set is over, whatever happened.
class VarListRestore {
public:
    explicit VarListRestore(KvSNMPVarList& list) : list_(list), saved_(list) {}
    ~VarListRestore() { list_.Assign(saved_); }

private:
    KvSNMPVarList& list_;
    KvSNMPVarList saved_;
};

} // namespace

KvSNMPRequest::KvSNMPRequest() : self_(std::make_shared<KvSNMPRequest*>(this)) {}

KvSNMPRequest::~KvSNMPRequest() {
    Alive = false;
    if (Pending > 0 && QCoreApplication::instance() &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QElapsedTimer t;
        t.start();
        while (Pending > 0 && t.elapsed() < kDestroyWaitMs)
            KvProcessMessages(10);
    }
    // Replies still outstanding find the token expired and are discarded.
    self_.reset();
}

std::string KvSNMPRequest::BaseOid(int i) const {
    const std::string& oid = VarList.Item(i).Oid;
    return VarList.Instance.empty() ? oid : oid + "." + VarList.Instance;
}

std::string KvSNMPRequest::RowIndex() {
    std::string index;
    for (int i = 0; i < VarList.KeyCount && i < VarList.Count(); ++i) {
        if (i) index += '.';
        index += EncodeKey(i);
    }
    return index;
}

KvSnmpPdu KvSNMPRequest::BuildPdu(KvPduKind kind) {
    KvSnmpPdu pdu = NewPdu(kind == KvPduKind::Set ? KvPduType::Set : KvPduType::Get);
    const uint8_t listKind = VarList.Kind;
    if (kind == KvPduKind::NextRead && listKind <= KvSNMPVarList::kOneInstance) RaiseDeRIRA(-510);
    std::string rowIndex;
    if (kind == KvPduKind::Set) {
        if (listKind > KvSNMPVarList::kTableEditKeys) RaiseDeRIRA(-515);
        if (listKind >= KvSNMPVarList::kTable) rowIndex = RowIndex();
        // A single instance found with get-next (no Instance given) is written
        // where it was read, not at the bare column OIDs.
        if (listKind == KvSNMPVarList::kOneInstance && VarList.Instance.empty() && UseGetNext)
            for (int i = 0; i < VarList.Count() && rowIndex.empty(); ++i) {
                const KvSNMPVar& v = VarList.Item(i);
                if (VarList.IsRead(i) && IsBelow(v.InstanceOid, v.Oid))
                    rowIndex = v.InstanceOid.substr(v.Oid.size() + 1);
            }
    }
    for (int i = 0; i < VarList.Count(); ++i) {
        KvVarbind vb;
        const std::string base = BaseOid(i);
        switch (kind) {
        case KvPduKind::FirstRead:
            if (!VarList.IsRead(i)) continue;
            VarList.Item(i).InstanceOid.clear();
            vb.Oid = listKind == KvSNMPVarList::kScalars ? base + ".0" : base;
            break;
        case KvPduKind::NextRead:
            if (!VarList.IsRead(i)) continue;
            vb.Oid = VarList.Item(i).InstanceOid;
            break;
        case KvPduKind::Set:
            if (listKind >= KvSNMPVarList::kTable && i < VarList.KeyCount) continue; // keys never sent
            if (!VarList.IsSettable(i)) continue;
            if (listKind == KvSNMPVarList::kScalars) vb.Oid = base + ".0";
            else if (listKind == KvSNMPVarList::kOneInstance) vb.Oid = rowIndex.empty() ? base : base + "." + rowIndex;
            else vb.Oid = base + "." + rowIndex;
            TextToVarbind(i, vb);
            break;
        }
        pdu.Varbinds.push_back(std::move(vb));
    }
    return pdu;
}

KvPduType KvSNMPRequest::ReadPduType(bool first) const {
    switch (VarList.Kind) {
    case KvSNMPVarList::kScalars: return KvPduType::Get;
    case KvSNMPVarList::kOneInstance: return UseGetNext ? KvPduType::GetNext : KvPduType::Get;
    case KvSNMPVarList::kTable:
    case KvSNMPVarList::kTableEditKeys: return KvPduType::GetNext;
    default: RaiseDeRIRA(-515);
    }
}

void KvSNMPRequest::DecodeRowKeys(const std::string& suffix) {
    std::string rest = suffix;
    for (int i = 0; i < VarList.KeyCount; ++i) {
        if (rest.empty()) RaiseDeRIRA(-514);
        if (!VarList.IsRead(i)) VarList.Item(i).InstanceOid = BaseOid(i) + "." + suffix;
        rest = DecodeKey(i, rest);
    }
    // Sub-identifiers left over after the last key are ignored.
}

// The j-th readable variable owns the j-th varbind of the response. An
// agent's answer is not trusted to follow that: a response with fewer
// varbinds, or with them in another order, is read as follows instead.
//  - Scalars and single instances read with get: the varbind must carry the
//    OID asked for; otherwise the one that does is taken from anywhere in the
//    response, and a variable with no such varbind reads "(NULL)".
//  - Tables: strictly by place. A column that has ended legitimately answers
//    with an OID of a later column, so a varbind can never be moved to the
//    variable whose subtree it lies in (the walk would go round in circles).
//    A variable without a varbind in its place has reached the end of its
//    column; a varbind in another column's place reads as a column end, so
//    a reordered response ends the walk instead of mixing up values.
// Nothing is ever read past the end of the response.
bool KvSNMPRequest::ProcessResponse(const KvSnmpResponse& r, int& code, bool& done) {
    done = true;
    const bool table = VarList.Kind == KvSNMPVarList::kTable || VarList.Kind == KvSNMPVarList::kTableEditKeys;
    std::vector<int> readable;
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsRead(i)) readable.push_back(i);

    if (code == -102) {
        // SNMPv1 end of a walk: noSuchName for the instance we asked after.
        const int i = readable.empty() ? -1 : readable.front();
        if (i >= 0 && !r.Varbinds.empty() && !VarList.Item(i).InstanceOid.empty() &&
            VarList.Item(i).InstanceOid == r.Varbinds.front().Oid)
            code = 0;
        return false;
    }

    const bool getRead = !table && !(VarList.Kind == KvSNMPVarList::kOneInstance && UseGetNext);
    std::vector<bool> used(r.Varbinds.size(), false);
    auto findUnused = [&](auto&& accept) -> int {
        for (size_t k = 0; k < r.Varbinds.size(); ++k)
            if (!used[k] && accept(r.Varbinds[k].Oid)) return static_cast<int>(k);
        return -1;
    };

    const std::string previousRow = table ? RowIndex() : std::string();
    int processed = 0, ended = 0;
    std::string suffix;
    bool haveSuffix = false;
    for (size_t j = 0; j < readable.size(); ++j) {
        const int i = readable[j];
        KvSNMPVar& var = VarList.Item(i);
        const std::string base = BaseOid(i);
        const std::string requested = var.InstanceOid;
        const std::string asked = requested.empty()
                                      ? (VarList.Kind == KvSNMPVarList::kScalars ? base + ".0" : base)
                                      : requested;
        int k = j < r.Varbinds.size() && !used[j] ? static_cast<int>(j) : -1;
        if (getRead) {
            if (k < 0 || r.Varbinds[static_cast<size_t>(k)].Oid != asked)
                k = findUnused([&](const std::string& oid) { return oid == asked; });
        }
        ++processed;
        if (k < 0) {
            if (table) {
                ++ended;
                var.Value = kNotDoneText;
                var.InstanceOid = requested.empty() ? base : base + "." + previousRow;
            } else {
                var.Value = kNullText;
            }
            continue;
        }
        used[static_cast<size_t>(k)] = true;
        const KvVarbind& vb = r.Varbinds[static_cast<size_t>(k)];
        if (IsColumnEnd(base, asked, vb.Oid) || (table && vb.Type == kvSmiEndOfMibView)) {
            ++ended;
            var.Value = kNotDoneText;
            var.InstanceOid = requested.empty() ? base : base + "." + previousRow;
            continue;
        }
        VarbindToText(i, vb);
        var.InstanceOid = vb.Oid;
        if (!haveSuffix && IsBelow(vb.Oid, base)) {
            suffix = vb.Oid.substr(base.size() + 1);
            haveSuffix = true;
        }
    }

    if (processed == 0 || ended == processed) return false;
    if (table) DecodeRowKeys(suffix);
    for (int i = 0; i < VarList.Count(); ++i) ComputeExpression(i, 1);
    if (table) {
        done = false;
        return true;
    }
    return false;
}

bool KvSNMPRequest::GetRow(bool first) {
    if (!Alive) return false;
    const KvSnmpTarget target = BuildTarget();
    const KvPduType type = ReadPduType(first);
    KvSnmpPdu pdu = BuildPdu(first ? KvPduKind::FirstRead : KvPduKind::NextRead);
    pdu.Type = type;
    KvSnmpResponse response;
    const KvSnmpCode mapped = MapSnmpStatus(GlobalSession->Send(target, pdu, response));
    const bool table = VarList.Kind == KvSNMPVarList::kTable || VarList.Kind == KvSNMPVarList::kTableEditKeys;
    if (mapped.Code != 0 && !(mapped.Code == -102 && table)) RaiseSnmpCode(mapped.Code, mapped.Message);
    int code = mapped.Code;
    bool done = false;
    const bool row = ProcessResponse(response, code, done);
    if (code != 0) RaiseSnmpCode(code, KvSnmpCodeText(code));
    return row;
}

void KvSNMPRequest::SendAsync(KvPduKind kind, const KvSnmpPdu& pdu, KvSNMPCompletion completion, void* owner,
                              bool processResponse) {
    const KvSnmpTarget target = BuildTarget();
    std::weak_ptr<KvSNMPRequest*> token = self_;
    const int status = GlobalSession->SendAsync(
        target, pdu, [token, completion, owner, processResponse](int st, const KvSnmpResponse& response) {
            KvSNMPRequest* request = nullptr;
            if (auto alive = token.lock()) request = *alive;
            if (!request) return; // the request is gone: touch nothing
            KvSNMPRequest& self = *request;
            if (st == kvStatusSessionDestroyed) {
                --self.Pending;
                return;
            }
            KvSNMPError error;
            const KvSnmpCode mapped = MapSnmpStatus(st);
            error.Code = mapped.Code;
            error.Message = mapped.Message;
            error.ErrorIndex = response.ErrorIndex;
            error.AgentAddress = response.AgentAddress;
            error.AgentPort = response.AgentPort;
            const bool table = self.VarList.Kind == KvSNMPVarList::kTable ||
                               self.VarList.Kind == KvSNMPVarList::kTableEditKeys;
            if ((error.Code == 0 && processResponse) || (error.Code == -102 && table)) {
                error.Done = false;
                try {
                    int code = error.Code;
                    bool done = true;
                    self.ProcessResponse(response, code, done);
                    error.Done = done;
                    if (code != error.Code) {
                        error.Code = code;
                        error.Message = KvSnmpCodeText(code);
                    }
                } catch (const KvException& e) {
                    // Nothing is raised after sending: a conversion failure is the outcome.
                    error.Code = e.HelpContext();
                    error.Message = e.Message();
                    error.Done = true;
                }
            } else {
                error.Done = true;
            }
            // The reply is in: no longer pending, even if the completion
            // destroys the request (whose destructor must not wait for it).
            --self.Pending;
            if (completion) completion(owner, error, self.VarList);
        });
    (void)kind;
    if (status != kvStatusSuccess) {
        const KvSnmpCode mapped = MapSnmpStatus(status);
        RaiseSnmpCode(mapped.Code, mapped.Message);
    }
    ++Pending;
}

void KvSNMPRequest::GetRowAsync(KvSNMPCompletion completion, void* owner, bool first) {
    if (!Alive) return;
    const KvPduType type = ReadPduType(first);
    KvSnmpPdu pdu = BuildPdu(first ? KvPduKind::FirstRead : KvPduKind::NextRead);
    pdu.Type = type;
    SendAsync(first ? KvPduKind::FirstRead : KvPduKind::NextRead, pdu, std::move(completion), owner, true);
}

void KvSNMPRequest::MarkForSet(const std::string& indexList, const std::vector<std::string>* values) {
    if (!indexList.empty()) {
        KvNumList<int32_t> indices;
        indices.Delimiter = ',';
        indices.Parse(indexList);
        for (int i = 0; i < VarList.Count(); ++i) {
            KvSNMPVar& var = VarList.Item(i);
            const int at = indices.IndexOf(i);
            if (at < 0) {
                var.Flags |= vfExcluded;
                continue;
            }
            var.Flags &= ~static_cast<uint32_t>(vfExcluded);
            if (values && at < static_cast<int>(values->size())) var.Value = (*values)[static_cast<size_t>(at)];
        }
    }
    for (int i = 0; i < VarList.Count(); ++i) ComputeExpression(i, 0);
}

void KvSNMPRequest::SetValues(const std::string& indexList, const std::vector<std::string>* values) {
    if (!Alive) return;
    int status;
    {
        VarListRestore restore(VarList);
        MarkForSet(indexList, values);
        const KvSnmpTarget target = BuildTarget();
        const KvSnmpPdu pdu = BuildPdu(KvPduKind::Set);
        KvSnmpResponse response;
        status = GlobalSession->Send(target, pdu, response);
    } // the variables are back as they were before the status is looked at
    const KvSnmpCode mapped = MapSnmpStatus(status);
    if (mapped.Code != 0) RaiseSnmpCode(mapped.Code, mapped.Message);
}

void KvSNMPRequest::SetValuesAsync(KvSNMPCompletion completion, void* owner, const std::string& indexList,
                                   const std::vector<std::string>* values) {
    if (!Alive) return;
    KvSnmpPdu pdu;
    {
        VarListRestore restore(VarList);
        MarkForSet(indexList, values);
        pdu = BuildPdu(KvPduKind::Set);
    }
    SendAsync(KvPduKind::Set, pdu, std::move(completion), owner, false);
}
