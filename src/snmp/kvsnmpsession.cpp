#include "kvsnmpsession.h"

#include "kvexception.h"
#include "kvmessages.h"
#include "kvpath.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

_SNMPDevice_s KvSNMPDevice;
_SNMPSecurity_s KvSNMPSecurity = [] {
    _SNMPSecurity_s s;
    s.ReadCommunity = "tamber";
    s.WriteCommunity = "wolsent";
    return s;
}();
_SNMPScope_s KvSNMPScope;
int32_t DefaultTimeout = 100;
KvSnmpEngine* GlobalSession = nullptr;

const char* const kDefaultReadCommunity = "tamber";
const char* const kDefaultWriteCommunity = "wolsent";
const char* const kLocalEngineId = "KvSNMP_PP_Application";
const char* const kBootCounterFileName = "KvSNMP_PP_BootCounter";

namespace {
SnmpEventProcessor* gPump = nullptr;
}

SnmpEventProcessor* GlobalEventProcessor() { return gPump; }

void KvProcessMessages(int maxWaitMs) {
    // A single-shot timer bounds the wait; the blocking form of
    // processEvents returns after the first batch of events.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxWaitMs > 0 ? maxWaitMs : 0);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SetSessionDefaults() {
    KvSNMPDevice = _SNMPDevice_s{};
    KvSNMPScope = _SNMPScope_s{};
    KvSNMPSecurity = _SNMPSecurity_s{};
    KvSNMPSecurity.ReadCommunity = kDefaultReadCommunity;
    KvSNMPSecurity.WriteCommunity = kDefaultWriteCommunity;
    DefaultTimeout = 100;
}

void InitGlobalSession(const std::string& directory) {
    KvSnmpEngine& engine = KvSnmpEngine::Instance();
    const int open = engine.Open(kLocalEngineId);
    GlobalSession = &engine;
    if (open != kvStatusSuccess) RaiseDeRIRA(-506);

    const std::string file = NativePath(JoinPath(directory, kBootCounterFileName));
    uint32_t boots = 0;
    if (KvReadBootCounter(file, kLocalEngineId, boots) == KvBootsRead::Failed) RaiseDeRIRA(-507);
    if (boots < 0x7FFFFFFFu) ++boots;
    if (!KvSaveBootCounter(file, kLocalEngineId, boots)) RaiseDeRIRA(-508);

    engine.InitV3(boots);
    SetSessionDefaults();

    if (!gPump) gPump = new SnmpEventProcessor; // lives until the process ends
    gPump->Start();
}

// ---------------------------------------------------------------------------

KvSNMPSessionParams::KvSNMPSessionParams()
    : Timeout(DefaultTimeout),
      Address(KvSNMPDevice.Address),
      Port(KvSNMPDevice.Port),
      ContextEngineID(KvSNMPScope.ContextEngineID),
      ContextName(KvSNMPScope.ContextName),
      Version(KvSNMPSecurity.Version),
      ReadCommunity(KvSNMPSecurity.ReadCommunity),
      WriteCommunity(KvSNMPSecurity.WriteCommunity),
      SecurityModel(KvSNMPSecurity.SecurityModel),
      SecurityLevel(KvSNMPSecurity.SecurityLevel),
      SecurityName(KvSNMPSecurity.SecurityName),
      AuthPassword(KvSNMPSecurity.AuthPassword),
      PrivPassword(KvSNMPSecurity.PrivPassword),
      AuthProtocol(KvSNMPSecurity.AuthProtocol),
      PrivProtocol(KvSNMPSecurity.PrivProtocol) {}

KvSnmpTarget KvSNMPSessionParams::BuildTarget() const {
    KvSnmpTarget t;
    if (!KvResolveAddress(Address, Port, t.Address)) RaiseDeRIRA(-509);
    t.Version = Version;
    t.Retries = Retries;
    t.Timeout = Timeout;
    if (Version == kvVersion3) {
        t.SecurityModel = SecurityModel;
        t.SecurityName = SecurityName;
        KvSnmpEngine::Instance().AddUser(SecurityName, AuthProtocol, PrivProtocol, AuthPassword, PrivPassword);
    } else {
        t.ReadCommunity = ReadCommunity;
        t.WriteCommunity = WriteCommunity;
    }
    return t;
}

KvSnmpPdu KvSNMPSessionParams::NewPdu(KvPduType type) const {
    KvSnmpPdu pdu;
    pdu.Type = type;
    pdu.SecurityLevel = SecurityLevel;
    pdu.ContextName = ContextName;
    pdu.ContextEngineID = ContextEngineID;
    return pdu;
}

// ---------------------------------------------------------------------------

SnmpEventProcessor::SnmpEventProcessor() : Timer(new QTimer) {
    Timer->setInterval(20);
    Timer->setSingleShot(false);
    QObject::connect(Timer, &QTimer::timeout, this, &SnmpEventProcessor::Step);
}

SnmpEventProcessor::~SnmpEventProcessor() {
    Stop();
    delete notifier_;
    delete Timer;
}

void SnmpEventProcessor::Start() {
    running_ = true;
    Timer->start();
    UpdateNotifier();
}

void SnmpEventProcessor::Stop() {
    running_ = false;
    Timer->stop();
    if (notifier_) notifier_->setEnabled(false);
}

void SnmpEventProcessor::SetImmediateDispatch(bool on) {
    immediate_ = on;
    UpdateNotifier();
}

void SnmpEventProcessor::UpdateNotifier() {
    const int fd = GlobalSession ? GlobalSession->SocketFd() : -1;
    if (notifier_ && (fd < 0 || notifier_->socket() != fd)) {
        delete notifier_;
        notifier_ = nullptr;
    }
    if (!notifier_ && fd >= 0) {
        notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read);
        QObject::connect(notifier_, &QSocketNotifier::activated, this, &SnmpEventProcessor::OnReadable);
    }
    if (notifier_) notifier_->setEnabled(running_ && immediate_ && !suppressed_);
}

void SnmpEventProcessor::OnReadable() {
    if (inStep_) {
        // A callback is pumping messages inside a step: the notifier would
        // fire again and again, so it rests until the step is over.
        suppressed_ = true;
        notifier_->setEnabled(false);
        return;
    }
    inStep_ = true;
    if (GlobalSession) GlobalSession->ProcessPendingEvents();
    inStep_ = false;
    Resume();
}

void SnmpEventProcessor::Step() {
    // The timer keeps running; the flag is what keeps a step from starting
    // while another one is in progress (a callback that pumps messages).
    // Re-arming the timer on every tick would cost a timer registration
    // 50 times a second for nothing.
    // An idle tick costs nothing: without outstanding requests there is no
    // retry or time-out to run, and answers are read when the socket says so.
    if (inStep_ || !GlobalSession || GlobalSession->Idle()) return;
    inStep_ = true;
    GlobalSession->ProcessPendingEvents();
    inStep_ = false;
    Resume();
}

void SnmpEventProcessor::Resume() {
    if (!suppressed_) return;
    suppressed_ = false;
    UpdateNotifier();
}
