#pragma once
// The one SNMP session of the process, its three parameter records, the
// engine-boots counter and the event pump that completes asynchronous
// requests on the GUI thread.
#include "kvsnmpengine.h"

#include <QObject>
#include <cstdint>
#include <string>

class QSocketNotifier;
class QTimer;

struct _SNMPDevice_s {
    std::string Address = "127.0.0.1";
    uint16_t Port = 161;
};

struct _SNMPScope_s {
    std::string ContextEngineID;
    std::string ContextName;
};

struct _SNMPSecurity_s {
    uint8_t Version = 0;              // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;        // defaults: the built-in communities below
    std::string WriteCommunity;
    int32_t SecurityModel = 1;        // 1 SNMPv1, 2 SNMPv2c, 3 USM
    int32_t SecurityLevel = 1;        // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 1;         // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    int32_t PrivProtocol = 1;         // 1 none, 2 DES (19 AES-128)
};

extern _SNMPDevice_s KvSNMPDevice;
extern _SNMPSecurity_s KvSNMPSecurity;
extern _SNMPScope_s KvSNMPScope;

// Request time-out in hundredths of a second copied by every new request.
extern int32_t DefaultTimeout;

// Null until InitGlobalSession has created the session.
extern KvSnmpEngine* GlobalSession;

extern const char* const kDefaultReadCommunity;
extern const char* const kDefaultWriteCommunity;
extern const char* const kLocalEngineId;        // "KvSNMP_PP_Application"
extern const char* const kBootCounterFileName;  // "KvSNMP_PP_BootCounter"

// Creates the session (once per process), advances the boots counter kept
// in "KvSNMP_PP_BootCounter" in the directory, starts the SNMPv3 engine with
// it, sets the records to their defaults and starts the event pump.
// Raises KvException -506, -507 or -508. Needs a QCoreApplication.
void InitGlobalSession(const std::string& directory);

// The three records and DefaultTimeout back to their defaults.
void SetSessionDefaults();

// The session fields a request copies when it is constructed, and from
// which it builds the target of every PDU it sends.
struct KvSNMPSessionParams {
    KvSNMPSessionParams(); // copies the global records and DefaultTimeout

    int32_t Timeout;
    int32_t Retries = 1;
    std::string Address;
    uint16_t Port;
    std::string ContextEngineID;
    std::string ContextName;
    uint8_t Version;
    std::string ReadCommunity;
    std::string WriteCommunity;
    int32_t SecurityModel;
    int32_t SecurityLevel;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol;
    int32_t PrivProtocol;

    // The target for one PDU: community target for versions other than 3,
    // USM target (with the user registered anew) for version 3.
    // Raises KvException -509 for an address that does not resolve.
    KvSnmpTarget BuildTarget() const;

    // The PDU skeleton every request sends: security level and scope.
    KvSnmpPdu NewPdu(KvPduType type) const;
};

// The event pump: a 20 ms timer that hands control to the SNMP engine, and
// beside it immediate dispatch when the session's socket becomes readable.
// The step never re-enters itself.
class SnmpEventProcessor : public QObject {
    Q_OBJECT
public:
    SnmpEventProcessor();
    ~SnmpEventProcessor() override;

    void Start();
    void Stop();

    // Off: answers wait for the next tick (as with the timer alone).
    void SetImmediateDispatch(bool on);
    bool ImmediateDispatch() const { return immediate_; }

    QTimer* Timer;

    // One pump step (the timer's tick handler).
    void Step();

private:
    void OnReadable();
    void UpdateNotifier();
    void Resume();

    QSocketNotifier* notifier_ = nullptr;
    bool inStep_ = false;
    bool suppressed_ = false; // notifier resting while a step pumps messages
    bool running_ = false;
    bool immediate_ = true;
};

// The process-wide pump (created by InitGlobalSession).
SnmpEventProcessor* GlobalEventProcessor();

// Processes pending window messages, waiting up to maxWaitMs for the next
// one when there is none: the way to wait for an asynchronous request
// without spinning the processor.
void KvProcessMessages(int maxWaitMs = 20);
