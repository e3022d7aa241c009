// The SNMP engine adapter over Net-SNMP. See kvsnmpengine.h for the contract.
//
// Structure
// - One Net-SNMP single-session handle opened on local UDP port 0, never
//   connected to a peer: each PDU carries its destination in transport_data
//   (a heap netsnmp_indexed_addr_pair the library frees with the PDU).
// - The session's own retries are 0 and its time-out is set before each
//   send: every request has its own Retries and Timeout, so retries are
//   driven here (a time-out with attempts left sends the PDU again).
// - Library callbacks only record what happened (a plain copy of the answer)
//   in a queue. Everything else - retries, engine discovery, the caller's
//   callback - runs after the library has returned, from Drain(). A caller's
//   callback may therefore send, block in Send() or pump events without
//   re-entering the library while it walks its request list.
// - SNMPv3: agents' engine IDs are discovered with an unauthenticated probe
//   (a noAuthNoPriv get without user or engine ID, answered by a Report that
//   carries the engine ID), then the user's keys are localized for that
//   engine. Nothing is read from or written to Net-SNMP's configuration or
//   persistent files.
//
// Status mapping (Net-SNMP -> the numbering of kvsnmpengine.h)
//   response PDU, errstat s            -> s (0 success, 1..18)
//   TIMED_OUT after the last attempt   -> -5   time-out
//   engine closed with requests open   -> -8   session destroyed
//   Report PDU (snmpv3_get_report_type, see StatusFromNetSnmpError):
//     SNMPERR_UNKNOWN_USER_NAME        -> 1404 unknown security name
//     SNMPERR_AUTHENTICATION_FAILURE   -> 1408 authentication failure
//     SNMPERR_UNSUPPORTED_SEC_LEVEL    -> 1403 unsupported security level
//     SNMPERR_UNKNOWN_ENG_ID           -> 1410 unknown engine ID
//     SNMPERR_NOT_IN_TIME_WINDOW       -> 1411 not in time window
//     SNMPERR_DECRYPTION_ERR           -> 1406 decryption error
//     SNMPERR_UNKNOWN_SEC_MODEL        -> -1402, SNMPERR_INVALID_MSG -> -1405,
//     SNMPERR_BAD_CONTEXT (unknown/unavailable context) -> -1417,
//     SNMPERR_UNKNOWN_PDU              -> -1415, other reports -> 1401
//   send failure (snmp_sess_error):
//     SNMPERR_USM_* (-42..-50)         -> 1401, 1404, 1403, 1405, 1408, 1409, 1410, 1411, 1406
//     SNMPERR_BAD_ADDRESS              -> -18, SNMPERR_BAD_SENDTO -> -22,
//     SNMPERR_TOO_LONG/BAD_ASN1_BUILD  -> -11, SNMPERR_MALLOC -> -2,
//     SNMPERR_TIMEOUT                  -> -5, anything else -> -1
//   a wrong privacy pass phrase: the agent cannot decrypt and stays silent -> -5
//   a wrong v1/v2c community: the agent drops the request silently       -> -5
#include "kvsnmpengine.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/snmpusm.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

namespace {

int StatusFromNetSnmpError(int err) {
    switch (err) {
    case SNMPERR_SUCCESS: return kvStatusSuccess;
    case SNMPERR_TIMEOUT: return kvStatusTimeout;
    case SNMPERR_BAD_ADDRESS: return kvStatusInvalidAddress;
    case SNMPERR_BAD_SENDTO: return kvStatusTransportFailed;
    case SNMPERR_NO_SOCKET: return kvStatusTransportFailed;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_NULL_PDU:
    case SNMPERR_VAR_TYPE: return kvStatusInvalidPdu;
    case SNMPERR_MALLOC: return kvStatusResourceUnavailable;
    case SNMPERR_BAD_SESSION: return kvStatusInvalidTarget;
    case SNMPERR_UNKNOWN_SEC_MODEL: return kvStatusMpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG: return kvStatusMpInvalidMessage;
    case SNMPERR_BAD_CONTEXT: return kvStatusMpUnknownContext;
    case SNMPERR_UNKNOWN_PDU: return kvStatusMpUnknownPduHandlers;
    case SNMPERR_UNKNOWN_ENG_ID: return kvStatusUsmUnknownEngineId;
    case SNMPERR_UNKNOWN_USER_NAME: return kvStatusUsmUnknownSecurityName;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL: return kvStatusUsmUnsupportedSecurityLevel;
    case SNMPERR_AUTHENTICATION_FAILURE: return kvStatusUsmAuthenticationFailure;
    case SNMPERR_NOT_IN_TIME_WINDOW: return kvStatusUsmNotInTimeWindow;
    case SNMPERR_DECRYPTION_ERR: return kvStatusUsmDecryptionError;
    case SNMPERR_USM_GENERICERROR: return kvStatusUsmError;
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return kvStatusUsmUnknownSecurityName;
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return kvStatusUsmUnsupportedSecurityLevel;
    case SNMPERR_USM_ENCRYPTIONERROR: return kvStatusUsmEncryptionError;
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return kvStatusUsmAuthenticationFailure;
    case SNMPERR_USM_PARSEERROR: return kvStatusUsmParseError;
    case SNMPERR_USM_UNKNOWNENGINEID: return kvStatusUsmUnknownEngineId;
    case SNMPERR_USM_NOTINTIMEWINDOW: return kvStatusUsmNotInTimeWindow;
    case SNMPERR_USM_DECRYPTIONERROR: return kvStatusUsmDecryptionError;
    default: return kvStatusClassError;
    }
}

int StatusFromReport(int reportType) {
    int s = StatusFromNetSnmpError(reportType);
    return s == kvStatusClassError ? kvStatusUsmError : s;
}

std::string OidToText(const oid* name, size_t len) {
    std::string out;
    for (size_t i = 0; i < len; ++i) {
        if (i) out += '.';
        out += std::to_string(static_cast<unsigned long>(name[i]));
    }
    return out;
}

// Dotted decimal text to sub-identifiers; false for anything malformed.
bool TextToOid(const std::string& text, oid* out, size_t& len) {
    len = 0;
    size_t i = 0;
    std::string t = text;
    if (!t.empty() && t[0] == '.') t.erase(0, 1);
    if (t.empty()) return false;
    while (i <= t.size()) {
        size_t dot = t.find('.', i);
        if (dot == std::string::npos) dot = t.size();
        if (dot == i || len >= MAX_OID_LEN) return false;
        unsigned long long v = 0;
        for (size_t k = i; k < dot; ++k) {
            if (t[k] < '0' || t[k] > '9') return false;
            v = v * 10 + static_cast<unsigned>(t[k] - '0');
            if (v > 0xFFFFFFFFull) return false;
        }
        out[len++] = static_cast<oid>(v);
        i = dot + 1;
    }
    return len >= 1;
}

KvVarbind FromNetSnmp(const netsnmp_variable_list* v) {
    KvVarbind vb;
    vb.Oid = OidToText(v->name, v->name_length);
    vb.Type = v->type;
    switch (v->type) {
    case ASN_INTEGER:
        if (v->val.integer) vb.Integer = static_cast<int32_t>(*v->val.integer);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        if (v->val.integer) vb.Integer = static_cast<uint32_t>(*v->val.integer);
        break;
    case ASN_COUNTER64:
        if (v->val.counter64)
            vb.Counter64 = (static_cast<uint64_t>(v->val.counter64->high) << 32) |
                           static_cast<uint32_t>(v->val.counter64->low);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
    case ASN_BIT_STR:
        if (v->val.string && v->val_len)
            vb.Octets.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
        break;
    case ASN_OBJECT_ID:
        if (v->val.objid) vb.ObjectId = OidToText(v->val.objid, v->val_len / sizeof(oid));
        break;
    default:
        break; // NULL and the exception values carry no value
    }
    return vb;
}

// Adds one varbind to a PDU; false when the OID or the value cannot be encoded.
bool AddVarbind(netsnmp_pdu* pdu, const KvVarbind& vb, bool withValue) {
    oid name[MAX_OID_LEN];
    size_t len = 0;
    if (!TextToOid(vb.Oid, name, len)) return false;
    if (!withValue) return snmp_add_null_var(pdu, name, len) != nullptr;
    switch (vb.Type) {
    case kvSmiInteger: {
        long v = static_cast<int32_t>(vb.Integer);
        return snmp_pdu_add_variable(pdu, name, len, ASN_INTEGER, &v, sizeof v) != nullptr;
    }
    case kvSmiCounter32:
    case kvSmiGauge32:
    case kvSmiTimeTicks:
    case kvSmiUInteger32: {
        u_long v = static_cast<uint32_t>(vb.Integer);
        return snmp_pdu_add_variable(pdu, name, len, vb.Type, &v, sizeof v) != nullptr;
    }
    case kvSmiCounter64: {
        struct counter64 c;
        c.high = static_cast<u_long>(vb.Counter64 >> 32);
        c.low = static_cast<u_long>(vb.Counter64 & 0xFFFFFFFFu);
        return snmp_pdu_add_variable(pdu, name, len, ASN_COUNTER64, &c, sizeof c) != nullptr;
    }
    case kvSmiOctetString:
    case kvSmiOpaque:
        return snmp_pdu_add_variable(pdu, name, len, vb.Type, vb.Octets.data(), vb.Octets.size()) != nullptr;
    case kvSmiIpAddress: {
        if (vb.Octets.size() != 4) return false;
        return snmp_pdu_add_variable(pdu, name, len, ASN_IPADDRESS, vb.Octets.data(), 4) != nullptr;
    }
    case kvSmiObjectId: {
        oid value[MAX_OID_LEN];
        size_t vlen = 0;
        if (!TextToOid(vb.ObjectId, value, vlen)) return false;
        return snmp_pdu_add_variable(pdu, name, len, ASN_OBJECT_ID, value, vlen * sizeof(oid)) != nullptr;
    }
    case kvSmiNull:
        return snmp_pdu_add_variable(pdu, name, len, ASN_NULL, nullptr, 0) != nullptr;
    default:
        return false;
    }
}

std::string HexOf(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

u_char* MemDup(const std::string& s) {
    auto* p = static_cast<u_char*>(malloc(s.size() ? s.size() : 1));
    if (p && !s.empty()) memcpy(p, s.data(), s.size());
    return p;
}

struct Credentials {
    int Auth = kvAuthNone;
    int Priv = kvPrivNone;
    std::string AuthPassword;
    std::string PrivPassword;
    bool operator==(const Credentials&) const = default;
};

// One event recorded by a library callback, handled later by Drain().
struct Event {
    uint64_t Id = 0;
    enum Kind { Answer, Timeout } What = Answer;
    int Status = 0;               // Answer: errstat or a report's status
    bool Report = false;
    std::string EngineId;         // Report: the agent's engine ID
    KvSnmpResponse Response;
};

} // namespace

std::string KvSnmpAddress::Text() const {
    char buf[INET_ADDRSTRLEN] = {};
    in_addr a;
    a.s_addr = Ipv4;
    inet_ntop(AF_INET, &a, buf, sizeof buf);
    return buf;
}

bool KvResolveAddress(const std::string& host, uint16_t port, KvSnmpAddress& out) {
    out = KvSnmpAddress{};
    out.Port = port;
    if (host.empty()) return false;
    in_addr a;
    if (inet_pton(AF_INET, host.c_str(), &a) == 1) {
        out.Ipv4 = a.s_addr;
        out.Valid = true;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &res) != 0 || !res) return false;
    out.Ipv4 = reinterpret_cast<sockaddr_in*>(res->ai_addr)->sin_addr.s_addr;
    out.Valid = true;
    freeaddrinfo(res);
    return true;
}

// ---------------------------------------------------------------------------
// Boots counter file: one line per engine, "<engine ID in hex> <boots>".

KvBootsRead KvReadBootCounter(const std::string& fileName, const std::string& engineId, uint32_t& boots) {
    boots = 0;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec)) return KvBootsRead::NoFile;
    std::ifstream in(fileName);
    if (!in) return KvBootsRead::NoFile;
    const std::string key = HexOf(engineId);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, value;
        if (!(fields >> id)) continue; // blank line
        if (id != key) continue;
        if (!(fields >> value)) return KvBootsRead::Failed;
        char* end = nullptr;
        errno = 0;
        unsigned long long v = strtoull(value.c_str(), &end, 10);
        if (errno || *end || value[0] == '-' || v > 0x7FFFFFFFull) return KvBootsRead::Failed;
        boots = static_cast<uint32_t>(v);
        return KvBootsRead::Ok;
    }
    if (in.bad()) return KvBootsRead::Failed;
    return KvBootsRead::NoEntry;
}

bool KvSaveBootCounter(const std::string& fileName, const std::string& engineId, uint32_t boots) {
    const std::string key = HexOf(engineId);
    std::vector<std::string> lines;
    {
        std::error_code ec;
        if (std::filesystem::is_regular_file(fileName, ec)) {
            std::ifstream in(fileName);
            std::string line;
            while (std::getline(in, line)) {
                std::istringstream fields(line);
                std::string id;
                if ((fields >> id) && id != key) lines.push_back(line);
            }
        }
    }
    lines.push_back(key + " " + std::to_string(boots));
    // Written beside the target and renamed over it, so a failed write
    // never leaves a half-written counter behind.
    const std::string temp = fileName + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        if (!out) return false;
        for (const auto& l : lines) out << l << '\n';
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------

struct KvSnmpEngine::Impl {
    void* Session = nullptr;
    int OpenStatus = kvStatusClassError;
    bool Opened = false;
    std::string LocalEngineId;
    uint32_t Boots = 0;
    std::string StateDir;

    struct Pending {
        KvSnmpTarget Target;
        KvSnmpPdu Pdu;
        Callback Done;
        int AttemptsLeft = 0;
        bool Discovering = false;
    };
    uint64_t NextId = 1;
    std::map<uint64_t, Pending> Requests;
    std::deque<Event> Events;

    std::map<std::string, Credentials> Users;                 // by security name
    std::map<std::string, std::string> Engines;               // "ip:port" -> engine ID
    std::map<std::string, Credentials> Localized;             // engine ID + '\0' + name
    SendObserver Observer;

    static std::string AgentKey(const KvSnmpAddress& a) {
        return a.Text() + ":" + std::to_string(a.Port);
    }

    // Library callback: record only.
    static int OnLibraryEvent(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
        auto& self = *KvSnmpEngine::Instance().d;
        const uint64_t id = reinterpret_cast<uintptr_t>(magic);
        Event ev;
        ev.Id = id;
        if (op == NETSNMP_CALLBACK_OP_TIMED_OUT) {
            ev.What = Event::Timeout;
        } else if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
            if (pdu->command == SNMP_MSG_REPORT) {
                ev.Report = true;
                ev.Status = StatusFromReport(snmpv3_get_report_type(pdu));
                if (pdu->securityEngineID && pdu->securityEngineIDLen)
                    ev.EngineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID),
                                       pdu->securityEngineIDLen);
            } else {
                ev.Status = static_cast<int>(pdu->errstat);
                ev.Response.ErrorStatus = static_cast<int>(pdu->errstat);
                ev.Response.ErrorIndex = static_cast<int>(pdu->errindex);
                for (auto* v = pdu->variables; v; v = v->next_variable)
                    ev.Response.Varbinds.push_back(FromNetSnmp(v));
            }
        } else {
            // RESEND and SEC_ERROR are not final: the library goes on with
            // this request and reports its outcome later.
            return 1;
        }
        self.Events.push_back(std::move(ev));
        return 1;
    }

    bool EnsureUser(const std::string& engineId, const std::string& name) {
        Credentials want;
        if (auto it = Users.find(name); it != Users.end()) want = it->second;
        const std::string key = engineId + '\0' + name;
        if (auto it = Localized.find(key); it != Localized.end() && it->second == want) return true;

        // An existing user keeps its old keys: remove it before re-creating.
        if (auto* old = usm_get_user(reinterpret_cast<const u_char*>(engineId.data()), engineId.size(),
                                     const_cast<char*>(name.c_str()))) {
            usm_remove_user(old);
            usm_free_user(old);
        }
        Localized.erase(key);

        netsnmp_session s;
        snmp_sess_init(&s);
        s.version = SNMP_VERSION_3;
        s.securityModel = SNMP_SEC_MODEL_USM;
        std::string nameCopy = name;
        s.securityName = nameCopy.data();
        s.securityNameLen = nameCopy.size();
        std::string engineCopy = engineId;
        s.securityEngineID = reinterpret_cast<u_char*>(engineCopy.data());
        s.securityEngineIDLen = engineCopy.size();
        oid authProto[USM_AUTH_PROTO_SHA_LEN];
        oid privProto[USM_PRIV_PROTO_AES_LEN];
        s.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        // Users without authentication or privacy still name a protocol
        // ("none"): the library's key set-up insists on one.
        memcpy(authProto, usmNoAuthProtocol, sizeof(oid) * USM_AUTH_PROTO_NOAUTH_LEN);
        s.securityAuthProto = authProto;
        s.securityAuthProtoLen = USM_AUTH_PROTO_NOAUTH_LEN;
        memcpy(privProto, usmNoPrivProtocol, sizeof(oid) * USM_PRIV_PROTO_NOPRIV_LEN);
        s.securityPrivProto = privProto;
        s.securityPrivProtoLen = USM_PRIV_PROTO_NOPRIV_LEN;
        // A key from a pass phrase (at least 8 characters), hashed with the
        // authentication protocol as RFC 3414 does for both keys.
        auto makeKu = [&](const std::string& phrase, u_char* key, size_t* keyLen) {
            return phrase.size() >= 8 &&
                   generate_Ku(authProto, USM_AUTH_PROTO_MD5_LEN, reinterpret_cast<const u_char*>(phrase.data()),
                               phrase.size(), key, keyLen) == SNMPERR_SUCCESS;
        };
        if (want.Auth == kvAuthMD5 || want.Auth == kvAuthSHA) {
            const oid* p = want.Auth == kvAuthMD5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
            memcpy(authProto, p, sizeof(oid) * USM_AUTH_PROTO_MD5_LEN);
            s.securityAuthProto = authProto;
            s.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
            s.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (!makeKu(want.AuthPassword, s.securityAuthKey, &s.securityAuthKeyLen)) return false;
            s.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV;
            if (want.Priv == kvPrivDES || want.Priv == kvPrivAES128) {
                const oid* pp = want.Priv == kvPrivDES ? usmDESPrivProtocol : usmAESPrivProtocol;
                memcpy(privProto, pp, sizeof(oid) * USM_PRIV_PROTO_DES_LEN);
                s.securityPrivProto = privProto;
                s.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
                s.securityPrivKeyLen = USM_PRIV_KU_LEN;
                if (!makeKu(want.PrivPassword, s.securityPrivKey, &s.securityPrivKeyLen)) return false;
                s.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
            }
        }
        const int rc = usm_create_user_from_session(&s);
        if (rc != SNMPERR_SUCCESS) return false;
        Localized[key] = want;
        return true;
    }

    // Builds and sends one attempt of a request. Returns a status.
    int SendAttempt(uint64_t id) {
        auto it = Requests.find(id);
        if (it == Requests.end()) return kvStatusInternalError;
        Pending& p = it->second;
        const KvSnmpTarget& t = p.Target;
        netsnmp_session* ss = snmp_sess_session(Session);
        if (!ss) return kvStatusSessionDestroyed;

        int command = SNMP_MSG_GET;
        if (!p.Discovering) {
            if (p.Pdu.Type == KvPduType::GetNext) command = SNMP_MSG_GETNEXT;
            else if (p.Pdu.Type == KvPduType::Set) command = SNMP_MSG_SET;
        }
        netsnmp_pdu* pdu = snmp_pdu_create(command);
        if (!pdu) return kvStatusResourceUnavailable;

        if (t.Version == kvVersion3) {
            pdu->version = SNMP_VERSION_3;
            pdu->securityModel = SNMP_SEC_MODEL_USM;
            pdu->flags |= UCD_MSG_FLAG_EXPECT_RESPONSE;
            if (p.Discovering) {
                pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
                pdu->securityName = strdup("");
                pdu->securityNameLen = 0;
                pdu->contextName = strdup("");
                pdu->contextNameLen = 0;
            } else {
                const std::string& engine = Engines[AgentKey(t.Address)];
                if (!EnsureUser(engine, t.SecurityName)) {
                    snmp_free_pdu(pdu);
                    return kvStatusUsmError;
                }
                int level = p.Pdu.SecurityLevel;
                if (level < SNMP_SEC_LEVEL_NOAUTH || level > SNMP_SEC_LEVEL_AUTHPRIV) {
                    snmp_free_pdu(pdu);
                    return kvStatusUsmUnsupportedSecurityLevel;
                }
                pdu->securityLevel = level;
                pdu->securityName = strdup(t.SecurityName.c_str());
                pdu->securityNameLen = t.SecurityName.size();
                pdu->securityEngineID = MemDup(engine);
                pdu->securityEngineIDLen = engine.size();
                pdu->contextName = strdup(p.Pdu.ContextName.c_str());
                pdu->contextNameLen = p.Pdu.ContextName.size();
                if (!p.Pdu.ContextEngineID.empty()) {
                    pdu->contextEngineID = MemDup(p.Pdu.ContextEngineID);
                    pdu->contextEngineIDLen = p.Pdu.ContextEngineID.size();
                } else {
                    pdu->contextEngineID = MemDup(engine);
                    pdu->contextEngineIDLen = engine.size();
                }
            }
        } else {
            pdu->version = t.Version == kvVersion2c ? SNMP_VERSION_2c : SNMP_VERSION_1;
            const std::string& community =
                p.Pdu.Type == KvPduType::Set ? t.WriteCommunity : t.ReadCommunity;
            pdu->community = MemDup(community);
            pdu->community_len = community.size();
        }

        if (!p.Discovering) {
            for (const auto& vb : p.Pdu.Varbinds) {
                if (!AddVarbind(pdu, vb, command == SNMP_MSG_SET)) {
                    snmp_free_pdu(pdu);
                    return kvStatusInvalidOid;
                }
            }
        }

        auto* addr = static_cast<netsnmp_indexed_addr_pair*>(calloc(1, sizeof(netsnmp_indexed_addr_pair)));
        if (!addr) {
            snmp_free_pdu(pdu);
            return kvStatusResourceUnavailable;
        }
        addr->remote_addr.sin.sin_family = AF_INET;
        addr->remote_addr.sin.sin_addr.s_addr = t.Address.Ipv4;
        addr->remote_addr.sin.sin_port = htons(t.Address.Port);
        pdu->transport_data = addr;
        pdu->transport_data_length = sizeof(netsnmp_indexed_addr_pair);

        if (Observer && !p.Discovering) Observer(p.Target, p.Pdu);
        ss->retries = 0;
        ss->timeout = static_cast<long>(t.Timeout > 0 ? t.Timeout : 1) * 10000L; // hundredths -> microseconds

        if (snmp_sess_async_send(Session, pdu, &Impl::OnLibraryEvent,
                                 reinterpret_cast<void*>(static_cast<uintptr_t>(id))) == 0) {
            int liberr = 0, syserr = 0;
            char* detail = nullptr;
            snmp_sess_error(Session, &liberr, &syserr, &detail);
            free(detail);
            snmp_free_pdu(pdu);
            int st = StatusFromNetSnmpError(liberr);
            return st == kvStatusSuccess ? kvStatusClassError : st;
        }
        return kvStatusSuccess;
    }

    void Finish(uint64_t id, int status, KvSnmpResponse response) {
        auto it = Requests.find(id);
        if (it == Requests.end()) return;
        Callback done = std::move(it->second.Done);
        response.AgentAddress = it->second.Target.Address.Text();
        response.AgentPort = it->second.Target.Address.Port;
        Requests.erase(it);
        if (done) done(status, response);
    }

    // Handles the recorded events: retries, discovery, completion.
    void Drain() {
        while (!Events.empty()) {
            Event ev = std::move(Events.front());
            Events.pop_front();
            auto it = Requests.find(ev.Id);
            if (it == Requests.end()) continue; // a late answer: its request is gone
            Pending& p = it->second;
            if (ev.What == Event::Timeout) {
                if (p.AttemptsLeft > 0) {
                    --p.AttemptsLeft;
                    int st = SendAttempt(ev.Id);
                    if (st != kvStatusSuccess) Finish(ev.Id, st, {});
                    continue;
                }
                if (p.Target.Version == kvVersion3) ForgetAgent(p.Target.Address);
                Finish(ev.Id, kvStatusTimeout, {});
                continue;
            }
            if (p.Discovering) {
                if (ev.Report && !ev.EngineId.empty()) {
                    Engines[AgentKey(p.Target.Address)] = ev.EngineId;
                    p.Discovering = false;
                    p.AttemptsLeft = p.Target.Retries > 0 ? p.Target.Retries : 0;
                    int st = SendAttempt(ev.Id);
                    if (st != kvStatusSuccess) Finish(ev.Id, st, {});
                } else {
                    Finish(ev.Id, ev.Report ? ev.Status : kvStatusMpInvalidEngineId, {});
                }
                continue;
            }
            Finish(ev.Id, ev.Status, std::move(ev.Response));
        }
    }

    void ForgetAgent(const KvSnmpAddress& a) {
        auto it = Engines.find(AgentKey(a));
        if (it == Engines.end()) return;
        std::string id = it->second;
        free_enginetime(reinterpret_cast<unsigned char*>(id.data()), id.size());
        Engines.erase(it);
    }

    int Start(const KvSnmpTarget& target, const KvSnmpPdu& pdu, Callback callback, uint64_t* idOut);


    void Step() {
        if (!Session) return;
        {
            netsnmp_transport* tr = snmp_sess_transport(Session);
            const int fd = tr ? tr->sock : -1;
            if (fd >= 0) {
                // Read every datagram that is already waiting.
                for (int guard = 0; guard < 1000; ++guard) {
                    pollfd pfd{fd, POLLIN, 0};
                    if (::poll(&pfd, 1, 0) <= 0 || !(pfd.revents & POLLIN)) break;
                    netsnmp_large_fd_set fds;
                    netsnmp_large_fd_set_init(&fds, fd + 1);
                    NETSNMP_LARGE_FD_ZERO(&fds);
                    NETSNMP_LARGE_FD_SET(fd, &fds);
                    snmp_sess_read2(Session, &fds);
                    netsnmp_large_fd_set_cleanup(&fds);
                }
            }
        }
        snmp_sess_timeout(Session);
        Drain();
    }
};

KvSnmpEngine& KvSnmpEngine::Instance() {
    static KvSnmpEngine engine;
    return engine;
}

KvSnmpEngine::KvSnmpEngine() : d(new Impl) {}
KvSnmpEngine::~KvSnmpEngine() {
    // The process is ending; the library's global state goes with it. Only
    // the private state directory is cleaned up.
    if (!d->StateDir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(d->StateDir, ec);
    }
    delete d;
}

int KvSnmpEngine::Open(const std::string& localEngineId) {
    if (d->Opened) return d->OpenStatus;
    d->Opened = true;
    d->LocalEngineId = localEngineId;

    // No MIB files, no configuration files, no persistent state: the library
    // gets a private directory for anything it still insists on creating.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "/nonexistent", 1);
    char tmpl[] = "/tmp/kx7026g-snmp-XXXXXX";
    if (char* dir = mkdtemp(tmpl)) {
        d->StateDir = dir;
        // Made beforehand so the library does not announce creating it.
        std::error_code ec;
        std::filesystem::create_directories(d->StateDir + "/cert_indexes", ec);
    }
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    if (!d->StateDir.empty()) {
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, d->StateDir.c_str());
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, d->StateDir.c_str());
    }
    if (!localEngineId.empty()) {
        std::string line = "exactEngineID 0x" + HexOf(localEngineId);
        netsnmp_config_remember(line.data());
    }
    init_snmp("kx7026g");

    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_DEFAULT_VERSION;
    s.flags |= SNMP_FLAGS_DONT_PROBE;
    s.retries = 0;
    s.timeout = 1000000L;
    s.local_port = 0;
    char peer[] = "udp:127.0.0.1:161"; // never used: each PDU names its agent
    s.peername = peer;
    d->Session = snmp_sess_open(&s);
    d->OpenStatus = d->Session ? kvStatusSuccess : kvStatusTransportFailed;
    return d->OpenStatus;
}

bool KvSnmpEngine::IsOpen() const { return d->Session != nullptr; }

int KvSnmpEngine::InitV3(uint32_t boots) {
    if (!d->Session) return kvStatusMpNotInitialized;
    d->Boots = boots;
    // engineBoots_conf stores the value it is given plus one.
    std::string value = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", value.data());
    if (!d->LocalEngineId.empty()) {
        std::string id = d->LocalEngineId;
        set_enginetime(reinterpret_cast<u_char*>(id.data()), id.size(), boots,
                       snmpv3_local_snmpEngineTime(), TRUE);
    }
    return kvStatusSuccess;
}

uint32_t KvSnmpEngine::LocalBoots() const { return d->Boots; }

void KvSnmpEngine::AddUser(const std::string& name, int authProtocol, int privProtocol,
                           const std::string& authPassword, const std::string& privPassword) {
    Credentials c;
    c.Auth = authProtocol;
    c.Priv = privProtocol;
    c.AuthPassword = authPassword;
    c.PrivPassword = privPassword;
    d->Users[name] = c;
}

int KvSnmpEngine::SendAsync(const KvSnmpTarget& target, const KvSnmpPdu& pdu, Callback callback) {
    return d->Start(target, pdu, std::move(callback), nullptr);
}

int KvSnmpEngine::Impl::Start(const KvSnmpTarget& target, const KvSnmpPdu& pdu, Callback callback,
                              uint64_t* idOut) {
    Impl* d = this;
    if (!d->Session) return kvStatusSessionDestroyed;
    if (!target.Address.Valid) return kvStatusInvalidAddress;
    if (target.Version == kvVersion3) {
        // Refuse what the USM cannot do before anything is sent.
        Credentials c;
        if (auto it = d->Users.find(target.SecurityName); it != d->Users.end()) c = it->second;
        if (pdu.SecurityLevel >= kvSecLevelAuthNoPriv && c.Auth != kvAuthMD5 && c.Auth != kvAuthSHA)
            return c.Auth == kvAuthNone ? kvStatusUsmUnsupportedSecurityLevel : kvStatusUsmUnsupportedAuthProtocol;
        if (pdu.SecurityLevel >= kvSecLevelAuthPriv && c.Priv != kvPrivDES && c.Priv != kvPrivAES128)
            return c.Priv == kvPrivNone ? kvStatusUsmUnsupportedSecurityLevel : kvStatusUsmUnsupportedPrivProtocol;
    } else if (target.Version != kvVersion1 && target.Version != kvVersion2c) {
        return kvStatusInvalidTarget;
    }

    const uint64_t id = d->NextId++;
    Impl::Pending& p = d->Requests[id];
    p.Target = target;
    p.Pdu = pdu;
    p.Done = std::move(callback);
    p.AttemptsLeft = target.Retries > 0 ? target.Retries : 0;
    p.Discovering = target.Version == kvVersion3 && !d->Engines.count(Impl::AgentKey(target.Address));
    const int st = d->SendAttempt(id);
    if (st != kvStatusSuccess) d->Requests.erase(id);
    else if (idOut) *idOut = id;
    return st;
}

int KvSnmpEngine::Send(const KvSnmpTarget& target, const KvSnmpPdu& pdu, KvSnmpResponse& response) {
    bool done = false;
    int status = kvStatusTimeout;
    uint64_t id = 0;
    const int st = d->Start(target, pdu, [&](int s, const KvSnmpResponse& r) {
        status = s;
        response = r;
        done = true;
    }, &id);
    if (st != kvStatusSuccess) return st;

    // Bounded even if the library never reports: discovery plus all attempts, plus slack.
    const long perAttemptMs = static_cast<long>(target.Timeout > 0 ? target.Timeout : 1) * 10;
    const long limitMs = 2 * perAttemptMs * (std::max(target.Retries, 0) + 1) + 1000;
    const auto start = std::chrono::steady_clock::now();
    while (!done) {
        const int fd = SocketFd();
        if (fd >= 0) {
            pollfd pfd{fd, POLLIN, 0};
            ::poll(&pfd, 1, 5);
        }
        d->Step();
        if (done) break;
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start).count();
        if (elapsed > limitMs) {
            // Give up on this one; a late answer finds no request and is dropped.
            d->Requests.erase(id);
            return kvStatusTimeout;
        }
    }
    return status;
}

void KvSnmpEngine::ProcessPendingEvents() { d->Step(); }

int KvSnmpEngine::SocketFd() const {
    if (!d->Session) return -1;
    netsnmp_transport* tr = snmp_sess_transport(d->Session);
    return tr ? tr->sock : -1;
}

int KvSnmpEngine::Outstanding() const { return static_cast<int>(d->Requests.size()); }

bool KvSnmpEngine::Idle() const { return d->Requests.empty() && d->Events.empty(); }

void KvSnmpEngine::Close() {
    if (!d->Session) return;
    void* s = d->Session;
    d->Session = nullptr;
    snmp_sess_close(s);
    d->Events.clear();
    auto requests = std::move(d->Requests);
    d->Requests.clear();
    for (auto& [id, p] : requests) {
        KvSnmpResponse r;
        r.AgentAddress = p.Target.Address.Text();
        r.AgentPort = p.Target.Address.Port;
        if (p.Done) p.Done(kvStatusSessionDestroyed, r);
    }
}

void KvSnmpEngine::SetSendObserver(SendObserver observer) { d->Observer = std::move(observer); }

void KvSnmpEngine::ForgetEngines() {
    for (auto& [key, id] : d->Engines) {
        std::string copy = id;
        free_enginetime(reinterpret_cast<unsigned char*>(copy.data()), copy.size());
    }
    d->Engines.clear();
}
