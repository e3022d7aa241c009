#include "agent.h"

#include "textfile.h"

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

// Net-SNMP's list of open sessions (not in its installed headers).
extern struct session_list* Sessions;

// Standard MIB groups from Net-SNMP's own modules (their headers are not
// installed).
extern "C" {
void init_system_mib(void);
void init_sysORTable(void);
void init_snmp_mib(void);
void init_vacm_vars(void);
void init_vacm_context(void);
void init_usmUser(void);
void init_usmStats(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_setSerialNo(void);
void init_snmpNotifyTable(void);
}

namespace fs = std::filesystem;

namespace kxsim {

namespace {

const char* kAppName = "kxsim";
volatile sig_atomic_t g_stop = 0;
Agent* g_agent = nullptr;

extern "C" void OnStopSignal(int) { g_stop = 1; }

std::string HexText(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : bytes) {
        s += digits[c >> 4];
        s += digits[c & 15];
    }
    return s;
}

const char* CommandName(int command) {
    switch (command) {
    case SNMP_MSG_GET: return "get";
    case SNMP_MSG_GETNEXT: return "getnext";
    case SNMP_MSG_GETBULK: return "getbulk";
    case SNMP_MSG_SET: return "set";
    default: return "pdu";
    }
}

const char* VersionName(long version) {
    switch (version) {
    case SNMP_VERSION_1: return "v1";
    case SNMP_VERSION_2c: return "v2c";
    case SNMP_VERSION_3: return "v3";
    default: return "v?";
    }
}

// A request held back by --delay-ms.
struct Delayed {
    netsnmp_session* Session;
    netsnmp_pdu* Pdu;
    void* Magic;
    unsigned int Alarm;
};
std::set<Delayed*> g_delayed;  // not answered yet

} // namespace

struct AgentCallbacks {
    static int Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration*,
                      netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    static int Packet(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);
    static void Release(unsigned int, void* data);
    static void Tick(unsigned int, void*);
};

Agent::Agent(Options options) : options_(std::move(options)) {}

Agent::~Agent() { Shutdown(); }

// ---- data ------------------------------------------------------------------

bool Agent::LoadData(std::string* error) {
    if (!LoadModels(options_.DataDir + "/models.txt", &models_, error)) return false;
    StackSpec stack;
    if (options_.Units > 0) {
        if (!GenerateStack(options_.Units, models_, &stack, error)) return false;
    } else if (!LoadStack(options_.StackFile, models_, &stack, error)) {
        return false;
    }

    if (options_.EngineId.empty()) {
        // Enterprise 8072 (Net-SNMP), text format, "kxsim" and the port.
        const std::string text = std::string(kAppName) + std::to_string(options_.Port ? options_.Port : getpid());
        engineIdHex_ = "80001F8804" + HexText(text);
    } else {
        engineIdHex_ = options_.EngineId;
    }

    ModelSettings settings;
    settings.Seed = options_.Seed;
    settings.Still = options_.Still;
    settings.ShortLed = options_.ShortLed;
    settings.ReadCommunity = options_.ReadCommunity;
    settings.WriteCommunity = options_.WriteCommunity;
    settings.EngineIdHex = "0x" + engineIdHex_;
    model_ = std::make_unique<SwitchModel>(std::move(stack), settings);

    ObjectDefs defs;
    std::vector<std::string> paths{options_.DataDir + "/objects"};
    paths.insert(paths.end(), options_.ObjectPaths.begin(), options_.ObjectPaths.end());
    for (const std::string& path : paths) {
        std::error_code ec;
        std::vector<std::string> files;
        if (fs::is_directory(path, ec)) {
            for (const auto& entry : fs::directory_iterator(path, ec))
                if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(path);
        }
        for (const std::string& file : files)
            if (!LoadObjectFile(file, &defs, error)) return false;
    }
    engine_ = std::make_unique<MibEngine>(*model_);
    if (!engine_->Load(std::move(defs), error)) return false;
    model_->SetEngine(engine_.get());
    return true;
}

// ---- state file ------------------------------------------------------------
// One "set OID TYPE VALUE" line per varbind; a blank line ends the varbinds
// of one SET as it was accepted.

bool Agent::ReplayState(std::string* error) {
    if (options_.StateFile.empty()) return true;
    std::ifstream in(options_.StateFile);
    if (!in) return true;  // nothing saved yet
    std::vector<std::vector<SetOp>> batches(1);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> t;
        std::string why;
        if (!TokenizeLine(line, &t, &why)) {
            *error = options_.StateFile + ":" + std::to_string(number) + ": " + why;
            return false;
        }
        if (t.empty()) {
            if (!batches.back().empty()) batches.emplace_back();
            continue;
        }
        SetOp op;
        Syntax syntax;
        if (t.size() != 4 || t[0] != "set" || !ParseOid(t[1], &op.Name) || t[2].size() != 1 ||
            TypeFromCode(t[2][0]) == ASN_NULL) {
            *error = options_.StateFile + ":" + std::to_string(number) + ": 'set OID TYPE VALUE' expected";
            return false;
        }
        syntax.Type = TypeFromCode(t[2][0]);
        if (!ParseValue(syntax, t[3], &op.Val, &why)) {
            *error = options_.StateFile + ":" + std::to_string(number) + ": " + why;
            return false;
        }
        batches.back().push_back(op);
    }
    for (const auto& batch : batches) {
        std::map<MibObject*, std::vector<SetOp>> byObject;
        for (const SetOp& op : batch) {
            MibObject* object = engine_->FindObject(op.Name);
            if (object) byObject[object].push_back(op);
            else std::cerr << "kxsim: " << options_.StateFile << ": no object for " << OidText(op.Name) << "\n";
        }
        for (auto& [object, ops] : byObject) {
            size_t failed = 0;
            int status = engine_->CheckSet(*object, ops, &failed);
            if (status != SNMP_ERR_NOERROR) {
                std::cerr << "kxsim: " << options_.StateFile << ": saved write of " << OidText(ops[failed].Name)
                          << " refused (" << snmp_errstring(status) << ")\n";
                engine_->FinishSet(*object);
                continue;
            }
            engine_->ApplySet(*object);
            engine_->FinishSet(*object);
        }
    }
    return true;
}

void Agent::RecordSet(const std::vector<SetOp>& ops) {
    if (options_.StateFile.empty() || ops.empty()) return;
    std::ofstream out(options_.StateFile, std::ios::app);
    for (const SetOp& op : ops)
        out << "set " << OidText(op.Name) << ' ' << TypeCode(op.Val.Type) << ' ' << ValueText(op.Val) << '\n';
    out << '\n';
    if (!out) std::cerr << "kxsim: cannot write " << options_.StateFile << "\n";
}

// ---- private directories and configuration -----------------------------------

bool Agent::MakePrivateDirs(std::string* error) {
    std::string parent = options_.StateDir;
    if (parent.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        parent = tmp && *tmp ? tmp : "/tmp";
    }
    std::string pattern = parent + "/kxsim-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) {
        *error = "cannot create a private directory in " + parent + ": " + std::strerror(errno);
        return false;
    }
    privateDir_ = buffer.data();
    configDir_ = privateDir_ + "/conf";
    persistDir_ = privateDir_ + "/persist";
    std::error_code ec;
    fs::create_directory(configDir_, ec);
    if (!ec) fs::create_directory(persistDir_, ec);
    if (!ec) fs::create_directory(persistDir_ + "/cert_indexes", ec);  // else Net-SNMP says it made it
    if (ec) {
        *error = "cannot create " + privateDir_ + "/conf and /persist: " + ec.message();
        return false;
    }
    return true;
}

bool Agent::WriteConfig(std::string* error) {
    const Options& o = options_;
    std::ostringstream text;
    text << "# kxsim: configuration of this run, made at start and removed at exit\n"
         << "exactEngineID 0x" << engineIdHex_ << "\n"
         << "rocommunity " << o.ReadCommunity << " default\n"
         << "rwcommunity " << o.WriteCommunity << " default\n"
         << "createUser " << o.Md5User << " MD5 " << o.AuthPass << " DES " << o.PrivPass << "\n"
         << "createUser " << o.ShaUser << " SHA " << o.AuthPass << " AES " << o.PrivPass << "\n"
         << "createUser " << o.ReaderUser << " SHA " << o.AuthPass << "\n"
         << "rwuser " << o.Md5User << " auth\n"
         << "rwuser " << o.ShaUser << " auth\n"
         << "rouser " << o.ReaderUser << " auth\n";
    std::ifstream extra(o.DataDir + "/agent.conf");
    if (extra) text << "# from " << o.DataDir << "/agent.conf\n" << extra.rdbuf();
    std::ofstream out(configDir_ + "/" + kAppName + ".conf");
    out << text.str();
    if (!out) {
        *error = "cannot write the configuration in " + configDir_;
        return false;
    }
    return true;
}

// ---- SNMP ------------------------------------------------------------------

bool Agent::StartSnmp(int* boundPort, std::string* error) {
    // No MIB files: answers and logs use numeric OIDs.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "/nonexistent", 1);
    snmp_enable_stderrlog();
    if (!options_.DebugTokens.empty()) {
        debug_register_tokens(options_.DebugTokens.c_str());
        snmp_set_do_debugging(1);
    }

    const std::string ports = "udp:" + options_.Listen + ":" + std::to_string(options_.Port);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, configDir_.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir_.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    add_to_init_list(const_cast<char*>("-smux"));

    init_agent(kAppName);
    init_system_mib();
    init_sysORTable();
    init_snmp_mib();
    init_vacm_vars();
    init_vacm_context();
    init_usmUser();
    init_usmStats();
    init_snmpEngine();
    init_snmpMPDStats();
    init_snmpTargetAddrEntry();
    init_snmpTargetParamsEntry();
    init_target_counters();
    init_setSerialNo();
    init_snmpNotifyTable();
    RegisterObjects();
    init_snmp(kAppName);
    snmpStarted_ = true;

    // Engine boots grow from one start to the next (seconds since 2024), so
    // managers that remember this engine accept its restarts.
    long boots = static_cast<long>(std::time(nullptr)) - 1704067200L;
    if (boots < 1) boots = 1;
    std::string previous = std::to_string(boots - 1);
    engineBoots_conf("engineBoots", previous.data());
    u_char engineId[SNMP_MAXBUF_SMALL];
    const size_t engineIdLength = snmpv3_get_engineID(engineId, sizeof engineId);
    set_enginetime(engineId, static_cast<u_int>(engineIdLength), static_cast<u_int>(snmpv3_local_snmpEngineBoots()),
                   static_cast<u_int>(snmpv3_local_snmpEngineTime()), TRUE);

    if (init_master_agent() != 0) {
        *error = "cannot listen on " + ports;
        return false;
    }
    HookSessions(boundPort);
    if (*boundPort == 0) {
        *error = "no socket for " + ports;
        return false;
    }
    return true;
}

void Agent::RegisterObjects() {
    for (MibObject* object : engine_->Objects()) {
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            object->Name.c_str(), &AgentCallbacks::Handle, object->Root.data(), object->Root.size(),
            HANDLER_CAN_RWRITE);
        reg->handler->myvoid = object;
        if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK)
            std::cerr << "kxsim: " << object->Name << " (" << OidText(object->Root) << ") not registered\n";
    }
}

void Agent::HookSessions(int* boundPort) {
    *boundPort = 0;
    for (session_list* slp = Sessions; slp; slp = slp->next) {
        if (!slp->session || slp->session->callback != handle_snmp_packet) continue;
        slp->session->callback = &AgentCallbacks::Packet;
        if (slp->transport && slp->transport->sock >= 0) {
            sockaddr_in addr{};
            socklen_t len = sizeof addr;
            if (getsockname(slp->transport->sock, reinterpret_cast<sockaddr*>(&addr), &len) == 0 &&
                addr.sin_family == AF_INET)
                *boundPort = ntohs(addr.sin_port);
        }
    }
}

void Agent::Shutdown() {
    for (Delayed* delayed : g_delayed) {  // requests still held back: never answered
        snmp_alarm_unregister(delayed->Alarm);
        snmp_free_pdu(delayed->Pdu);
        delete delayed;
    }
    g_delayed.clear();
    if (snmpStarted_) {
        snmp_shutdown(kAppName);
        snmpStarted_ = false;
    }
    if (!privateDir_.empty()) {
        std::error_code ec;
        fs::remove_all(privateDir_, ec);
        privateDir_.clear();
    }
}

bool Agent::WrongType(const Oid& name) const {
    for (const Oid& prefix : options_.WrongType)
        if (OidStartsWith(name, prefix)) return true;
    return false;
}

void Agent::Answer(netsnmp_variable_list* var, const Oid& name, Value value) const {
    if (WrongType(name)) {
        // The value in a syntax the object does not have.
        Value wrong;
        if (value.Type == ASN_OCTET_STR || value.Type == ASN_IPADDRESS) {
            wrong.Type = ASN_INTEGER;
            wrong.Number = static_cast<long long>(value.Bytes.size());
        } else {
            wrong.Type = ASN_OCTET_STR;
            wrong.Bytes = ValueText(value);
        }
        value = wrong;
    }
    SetVarbindValue(var, value);
}

// ---- callbacks -------------------------------------------------------------

int AgentCallbacks::Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration*,
                           netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
    Agent& agent = *g_agent;
    MibEngine& engine = *agent.engine_;
    auto* object = static_cast<MibObject*>(handler->myvoid);
    const bool v1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;

    switch (reqinfo->mode) {
    case MODE_GET:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed) continue;
            const Oid name(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
            Value value;
            int exception = SNMP_NOSUCHOBJECT;
            if (engine.Get(*object, name, v1, &value, &exception)) agent.Answer(r->requestvb, name, value);
            else netsnmp_set_request_error(reqinfo, r, exception);
        }
        break;
    case MODE_GETNEXT:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed) continue;
            const Oid name(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
            Oid found;
            Value value;
            if (engine.GetNext(*object, name, v1, &found, &value)) {
                snmp_set_var_objid(r->requestvb, found.data(), found.size());
                agent.Answer(r->requestvb, found, value);
            } else if (v1 && agent.options_.V1EndNoSuchName && OidStartsWith(name, object->Root)) {
                // Walked past the end of this table or scalar.
                netsnmp_set_request_error(reqinfo, r, SNMP_ERR_NOSUCHNAME);
            }
        }
        break;
    case MODE_SET_RESERVE1: {
        std::vector<SetOp> ops;
        std::vector<netsnmp_request_info*> order;
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            SetOp op;
            op.Name.assign(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
            op.Val = ValueFromVarbind(r->requestvb);
            ops.push_back(op);
            order.push_back(r);
        }
        size_t failed = 0;
        const int status = engine.CheckSet(*object, ops, &failed);
        if (status != SNMP_ERR_NOERROR) netsnmp_set_request_error(reqinfo, order[failed], status);
        else agent.pendingOps_[object] = ops;
        break;
    }
    case MODE_SET_RESERVE2:
        break;
    case MODE_SET_ACTION:
        engine.ApplySet(*object);
        break;
    case MODE_SET_COMMIT:
        agent.RecordSet(agent.pendingOps_[object]);
        agent.pendingOps_.erase(object);
        engine.FinishSet(*object);
        break;
    case MODE_SET_UNDO:
        engine.UndoSet(*object);
        agent.pendingOps_.erase(object);
        break;
    case MODE_SET_FREE:
        engine.FinishSet(*object);
        agent.pendingOps_.erase(object);
        break;
    default:
        break;
    }
    return SNMP_ERR_NOERROR;
}

int AgentCallbacks::Packet(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic) {
    Agent& agent = *g_agent;
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu) return handle_snmp_packet(op, session, reqid, pdu, magic);
    ++agent.received_;
    const bool drop = agent.options_.DropEvery > 0 && agent.received_ % agent.options_.DropEvery == 0;
    if (agent.options_.Verbose) {
        std::string first = pdu->variables ? OidText(pdu->variables->name, pdu->variables->name_length) : "-";
        std::cerr << "kxsim: #" << agent.received_ << ' ' << VersionName(pdu->version) << ' '
                  << CommandName(pdu->command) << ' ' << first << (drop ? " (dropped)" : "") << "\n";
    }
    if (drop) return 1;
    if (agent.options_.DelayMs > 0) {
        auto* delayed = new Delayed{session, snmp_clone_pdu(pdu), magic, 0};
        struct timeval t {};
        t.tv_sec = agent.options_.DelayMs / 1000;
        t.tv_usec = (agent.options_.DelayMs % 1000) * 1000;
        delayed->Alarm = snmp_alarm_register_hr(t, 0, &AgentCallbacks::Release, delayed);
        g_delayed.insert(delayed);
        return 1;
    }
    return handle_snmp_packet(op, session, reqid, pdu, magic);
}

void AgentCallbacks::Release(unsigned int, void* data) {
    auto* delayed = static_cast<Delayed*>(data);
    g_delayed.erase(delayed);
    if (delayed->Pdu)
        handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, delayed->Session, delayed->Pdu->reqid,
                           delayed->Pdu, delayed->Magic);
    snmp_free_pdu(delayed->Pdu);
    delete delayed;
}

void AgentCallbacks::Tick(unsigned int, void*) { g_agent->model_->Tick(); }

// ---- run -------------------------------------------------------------------

int Agent::Run() {
    g_agent = this;
    std::string error;
    if (!LoadData(&error) || !ReplayState(&error) || !MakePrivateDirs(&error) || !WriteConfig(&error)) {
        std::cerr << "kxsim: " << error << "\n";
        Shutdown();
        return 1;
    }

    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no SA_RESTART: the wait for packets returns at once
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    int port = 0;
    if (!StartSnmp(&port, &error)) {
        std::cerr << "kxsim: " << error << "\n";
        Shutdown();
        return 1;
    }
    struct timeval tick {0, 500000};
    snmp_alarm_register_hr(tick, SA_REPEAT, &AgentCallbacks::Tick, nullptr);

    std::cout << "kxsim: listening on udp:" << options_.Listen << ":" << port << std::endl;

    while (!g_stop) agent_check_and_process(1);

    Shutdown();
    g_agent = nullptr;
    return 0;
}

} // namespace kxsim
