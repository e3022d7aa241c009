#pragma once
// kxsim's SNMP side: Net-SNMP's agent library as its own master agent on a
// loopback address, private configuration, the standard groups it brings,
// the MIB engine's objects registered as handlers, the fault switches and the
// state file.
#include "mibengine.h"
#include "options.h"
#include "switchmodel.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kxsim {

class Agent {
public:
    explicit Agent(Options options);
    ~Agent();

    // Loads the data, starts answering, prints the ready line and serves
    // until SIGTERM or SIGINT. Returns the process exit code.
    int Run();

private:
    friend struct AgentCallbacks;

    bool LoadData(std::string* error);
    bool MakePrivateDirs(std::string* error);
    bool WriteConfig(std::string* error);
    bool StartSnmp(int* boundPort, std::string* error);
    void RegisterObjects();
    void HookSessions(int* boundPort);
    void Shutdown();

    bool ReplayState(std::string* error);
    void RecordSet(const std::vector<SetOp>& ops);

    // Request handling (called from the Net-SNMP callbacks).
    void Answer(netsnmp_variable_list* var, const Oid& name, Value value) const;
    bool WrongType(const Oid& name) const;

    Options options_;
    std::string engineIdHex_;
    Models models_;
    std::unique_ptr<SwitchModel> model_;
    std::unique_ptr<MibEngine> engine_;
    std::map<const MibObject*, std::vector<SetOp>> pendingOps_;

    std::string privateDir_, configDir_, persistDir_;
    bool snmpStarted_ = false;
    unsigned long received_ = 0;
};

} // namespace kxsim
