#pragma once
// KvSNMPRequest carries one variable list to the agent and back: get or
// get-next of one PDU, a table walk one row per PDU, and one set PDU of the
// settable variables, each synchronous (raising KvException) or asynchronous
// (reporting through a KvSNMPError record).
#include "kvsnmpconverter.h"
#include "kvsnmpsession.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The outcome of an asynchronous operation.
struct KvSNMPError {
    int32_t Code = 0;         // 0 success, else a module error code
    int32_t ErrorIndex = 0;   // error index of the response PDU
    std::string Message;      // text of Code
    std::string AgentAddress; // agent that answered
    uint16_t AgentPort = 0;
    bool Done = false;        // false after a table row that may be followed by more
};

// completion(owner, error record, variable list)
using KvSNMPCompletion = std::function<void(void* owner, const KvSNMPError& error, KvSNMPVarList& list)>;

enum class KvPduKind { FirstRead, NextRead, Set };

class KvSNMPRequest : public KvSNMPConverter, public KvSNMPSessionParams {
public:
    KvSNMPRequest();  // session fields copied from the global records now
    ~KvSNMPRequest() override; // stops, waits up to 6000 ms for outstanding replies

    bool UseGetNext = false;  // a list of kind 1 is read with get-next
    std::string Condition;    // filter tested after each row (by the bindings)
    bool Alive = true;        // clearing it stops walks at their next step
    int32_t Pending = 0;      // asynchronous PDUs sent and not yet completed

    // Synchronous read of one PDU; true when a table row was read and the
    // caller should go on with first = false.
    bool GetRow(bool first);
    // Asynchronous form: completion runs later from the event pump.
    void GetRowAsync(KvSNMPCompletion completion, void* owner, bool first);

    // Set of the settable variables. indexList: comma-separated variable
    // indices; values (may be null): item k for the k-th index. Marks and
    // values apply to this PDU only.
    void SetValues(const std::string& indexList, const std::vector<std::string>* values = nullptr);
    void SetValuesAsync(KvSNMPCompletion completion, void* owner, const std::string& indexList,
                        const std::vector<std::string>* values = nullptr);

    // The EncodeKey texts of the key variables joined with ".".
    std::string RowIndex();
    bool TestRow(const std::string& filter) { return TestCondition(filter); }

    // The PDU of one kind for the current list (raises -510, -515 and conversion errors).
    KvSnmpPdu BuildPdu(KvPduKind kind);

    // The variable's OID with the list's instance suffix.
    std::string BaseOid(int i) const;

    static constexpr int kDestroyWaitMs = 6000;

private:
    struct Response;
    // Reads a response into the variables. code is the mapped status
    // (0 or -102); on return it may have become 0 (normal v1 end of walk).
    // Returns true when a row was read; done tells whether the operation is complete.
    bool ProcessResponse(const KvSnmpResponse& response, int& code, bool& done);
    void DecodeRowKeys(const std::string& suffix);
    KvPduType ReadPduType(bool first) const;
    void MarkForSet(const std::string& indexList, const std::vector<std::string>* values);
    void SendAsync(KvPduKind kind, const KvSnmpPdu& pdu, KvSNMPCompletion completion, void* owner,
                   bool processResponse);

    // Outstanding engine callbacks hold a weak reference: after the request
    // is destroyed a late reply finds it expired and touches nothing.
    std::shared_ptr<KvSNMPRequest*> self_;
};

// Throws the KvException for a module code with its text.
[[noreturn]] void RaiseSnmpCode(int code, const std::string& message);
