#pragma once
// The SNMP engine adapter: the one place that talks to the SNMP library
// (Net-SNMP). It offers exactly what the framework needs - one session on
// local UDP port 0 shared by every request, blocking and callback forms of
// get, get-next and set, a non-blocking event step, community and USM
// targets, SNMPv3 engine set-up with a local engine ID and boots value - and
// reports every outcome as a status in the numbering the message catalogues
// and MapSnmpStatus use:
//
//   0            success
//   1..18        error status of the response PDU (noSuchName = 2, ...)
//   -1..-23      SNMP library class errors (-5 time-out, -8 session
//                destroyed, -18 invalid address, -22 transport failed ...)
//   -1402..-1418 SNMPv3 message processing errors
//   1401..1414   USM errors (1404 unknown user, 1408 authentication failure)
//
// How each Net-SNMP outcome becomes such a status is documented next to
// StatusFromNetSnmpError / StatusFromReport in kvsnmpengine.cpp.
#include "kvvarbind.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Status values (the SNMP library numbering the catalogues follow).
enum KvSnmpStatus : int {
    kvStatusSuccess = 0,
    kvStatusNoSuchName = 2,
    kvStatusClassError = -1,
    kvStatusResourceUnavailable = -2,
    kvStatusInternalError = -3,
    kvStatusUnsupported = -4,
    kvStatusTimeout = -5,
    kvStatusSessionDestroyed = -8,
    kvStatusInvalidPdu = -11,
    kvStatusInvalidTarget = -12,
    kvStatusInvalidOid = -17,
    kvStatusInvalidAddress = -18,
    kvStatusTransportFailed = -22,
    kvStatusMpOk = -1401,
    kvStatusMpUnsupportedSecurityModel = -1402,
    kvStatusMpNotInTimeWindow = -1403,
    kvStatusMpInvalidMessage = -1405,
    kvStatusMpInvalidEngineId = -1406,
    kvStatusMpNotInitialized = -1407,
    kvStatusMpParseError = -1408,
    kvStatusMpUnknownPduHandlers = -1415,
    kvStatusMpUnavailableContext = -1416,
    kvStatusMpUnknownContext = -1417,
    kvStatusUsmSuccess = 1400,
    kvStatusUsmError = 1401,
    kvStatusUsmUnsupportedSecurityLevel = 1403,
    kvStatusUsmUnknownSecurityName = 1404,
    kvStatusUsmEncryptionError = 1405,
    kvStatusUsmDecryptionError = 1406,
    kvStatusUsmAuthenticationError = 1407,
    kvStatusUsmAuthenticationFailure = 1408,
    kvStatusUsmParseError = 1409,
    kvStatusUsmUnknownEngineId = 1410,
    kvStatusUsmNotInTimeWindow = 1411,
    kvStatusUsmUnsupportedAuthProtocol = 1412,
    kvStatusUsmUnsupportedPrivProtocol = 1413,
};

// Protocol codes of the session records.
enum : int {
    kvAuthNone = 1, kvAuthMD5 = 2, kvAuthSHA = 3,
    kvPrivNone = 1, kvPrivDES = 2, kvPrivAES128 = 19,
};
enum : int { kvSecLevelNoAuthNoPriv = 1, kvSecLevelAuthNoPriv = 2, kvSecLevelAuthPriv = 3 };
enum : int { kvVersion1 = 0, kvVersion2c = 1, kvVersion3 = 3 };

// A resolved agent address (IPv4).
struct KvSnmpAddress {
    uint32_t Ipv4 = 0;      // network byte order
    uint16_t Port = 161;
    bool Valid = false;
    std::string Text() const; // "a.b.c.d"
};

// Resolves a dotted address or host name (may block on DNS). False when the
// text is neither a dotted address nor a resolvable name.
bool KvResolveAddress(const std::string& host, uint16_t port, KvSnmpAddress& out);

// What a request hands to the engine for one PDU.
struct KvSnmpTarget {
    KvSnmpAddress Address;
    int Version = kvVersion1;   // 0 v1, 1 v2c, 3 v3
    int Retries = 1;
    int Timeout = 100;          // hundredths of a second per attempt
    std::string ReadCommunity;  // community target (v1/v2c): get and get-next
    std::string WriteCommunity; // set
    int SecurityModel = 3;      // USM target (v3)
    std::string SecurityName;
};

enum class KvPduType { Get, GetNext, Set };

struct KvSnmpPdu {
    KvPduType Type = KvPduType::Get;
    int SecurityLevel = kvSecLevelNoAuthNoPriv;
    std::string ContextName;
    std::string ContextEngineID; // octets as given
    std::vector<KvVarbind> Varbinds;
};

struct KvSnmpResponse {
    int ErrorStatus = 0;
    int ErrorIndex = 0;
    std::vector<KvVarbind> Varbinds;
    std::string AgentAddress; // the agent that answered (or was asked, on time-out)
    uint16_t AgentPort = 0;
};

// Boots counter file results.
enum class KvBootsRead { Ok, NoEntry, NoFile, Failed };
KvBootsRead KvReadBootCounter(const std::string& fileName, const std::string& engineId, uint32_t& boots);
bool KvSaveBootCounter(const std::string& fileName, const std::string& engineId, uint32_t boots);

class KvSnmpEngine {
public:
    using Callback = std::function<void(int status, const KvSnmpResponse& response)>;

    static KvSnmpEngine& Instance();

    // Creates the session on local UDP port 0 (once per process; later calls
    // return the first outcome). The library reads and writes no files of its
    // own: its state directory is a private temporary folder.
    int Open(const std::string& localEngineId);
    bool IsOpen() const;

    // SNMPv3 message processing with the local engine ID given to Open and
    // the engine boots value.
    int InitV3(uint32_t boots);
    uint32_t LocalBoots() const;

    // Registers (or updates) a USM user: takes effect for every later send
    // with that security name. Protocol codes as kvAuth*/kvPriv*.
    void AddUser(const std::string& name, int authProtocol, int privProtocol,
                 const std::string& authPassword, const std::string& privPassword);

    // Blocking send: waits for the reply or the final time-out, at most
    // (Retries + 1) x Timeout per attempt (plus engine discovery for a new
    // SNMPv3 agent). Replies and time-outs of asynchronous requests that are
    // due meanwhile are handled too.
    int Send(const KvSnmpTarget& target, const KvSnmpPdu& pdu, KvSnmpResponse& response);

    // Callback send: returns the send status at once; on success the
    // callback runs later from ProcessPendingEvents (or inside a blocking
    // Send) exactly once, with 0/an error status/-5 time-out, or -8 when the
    // engine is closed first.
    int SendAsync(const KvSnmpTarget& target, const KvSnmpPdu& pdu, Callback callback);

    // The non-blocking event step: handles every datagram already received
    // and every retry or time-out that is due. Never waits.
    void ProcessPendingEvents();

    // The session's socket (for readiness notification), -1 when closed.
    int SocketFd() const;

    // Outstanding asynchronous sends (including those waiting for engine discovery).
    int Outstanding() const;
    // Nothing outstanding and nothing left to hand out: a timed step would
    // have no retry or time-out to run.
    bool Idle() const;

    // Ends every outstanding request with -8 and closes the session.
    void Close();

    // Forgets the agents' engine IDs learnt so far (they are discovered again).
    void ForgetEngines();

    // Called with every request PDU handed to the library (each attempt,
    // engine discovery probes excepted): lets tests see what goes on the wire.
    using SendObserver = std::function<void(const KvSnmpTarget& target, const KvSnmpPdu& pdu)>;
    void SetSendObserver(SendObserver observer);

    struct Impl;

private:
    KvSnmpEngine();
    ~KvSnmpEngine();
    Impl* d;
};
