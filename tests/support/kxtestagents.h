#pragma once
// Agents on loopback for integration tests: Net-SNMP's snmpd with a private
// configuration, and our simulator kxsim. Each picks a free port, starts,
// waits until it answers, and is stopped by its destructor.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kxtest {

// A UDP port on 127.0.0.1 that was free a moment ago.
int FreeUdpPort();

// Runs a program to completion (no shell); returns exit code, output in *out.
int RunProgram(const QString& program, const QStringList& args, QString* out = nullptr,
               int timeoutMs = 20000);

// Net-SNMP command-line tool path (snmpget, snmpwalk, snmpset).
QString SnmpTool(const char* name);

// Processes window messages (without spinning) until the condition holds or
// the limit - a safety net, not a measurement - has passed; returns the condition.
bool WaitFor(const std::function<bool()>& condition, int limitMs = 15000);
// Processes window messages for this long.
void PumpFor(int ms);

// Base of the test suites whose tests use the module's global SNMP session:
// the session is made when the suite starts, with its state in a private
// folder that goes when the suite ends.
class SessionSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

private:
    static QTemporaryDir* stateDir_;
};

struct SnmpdOptions {
    std::string ReadCommunity = "public";
    std::string WriteCommunity = "private";
    // SNMPv3 users created in the private configuration.
    // md5user: MD5 "authpass123" / DES "privpass123"
    // shauser: SHA "authpass123" / DES "privpass123"
    // authonly: MD5 "authpass123", no privacy
};

class SnmpdAgent {
public:
    explicit SnmpdAgent(const SnmpdOptions& options = {});
    ~SnmpdAgent();
    bool Running() const { return running_; }
    int Port() const { return port_; }
    QString Log() const;

private:
    SnmpdOptions options_;
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
    bool running_ = false;
};

} // namespace kxtest
