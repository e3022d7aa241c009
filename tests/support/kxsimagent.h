#pragma once
// kxsim, the switch-stack simulator, as a peer for tests: started on a free
// loopback port, ready once it has printed its "kxsim: listening on ..."
// line, stopped (SIGTERM) by the destructor.
//
//   kxtest::KxsimAgent sim({"--still"});
//   ASSERT_TRUE(sim.Running()) << sim.Log();
//   ... talk to 127.0.0.1:sim.Port() ...
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace kxtest {

class KxsimAgent {
public:
    // Default credentials of the simulator.
    static constexpr const char* kReadCommunity = "public";
    static constexpr const char* kWriteCommunity = "private";
    static constexpr const char* kMd5DesUser = "kxmd5des";  // MD5 + DES, read-write
    static constexpr const char* kShaAesUser = "kxshaaes";  // SHA + AES, read-write
    static constexpr const char* kReaderUser = "kxreader";  // SHA, no privacy, read-only
    static constexpr const char* kAuthPass = "kxauthpass";
    static constexpr const char* kPrivPass = "kxprivpass";

    // Starts kxsim with these extra options. Without a "--port" among them
    // the simulator takes any free port (--port 0) and Port() tells which.
    explicit KxsimAgent(const QStringList& extraArgs = {}, bool start = true);
    ~KxsimAgent();
    KxsimAgent(const KxsimAgent&) = delete;
    KxsimAgent& operator=(const KxsimAgent&) = delete;

    // Starts (again, after Stop) with the same options; true once it answers.
    bool Start();
    // SIGTERM (or SIGINT) and wait. True when it ended by itself; *exitCode
    // gets its exit code (-1 when it crashed or had to be killed).
    bool Stop(int* exitCode = nullptr, bool interrupt = false);

    bool Running() const;
    int Port() const { return port_; }
    QString Host() const { return host_; }
    QString Target() const { return host_ + ":" + QString::number(port_); }  // for snmpget & co.
    QString ReadyLine() const { return readyLine_; }
    qint64 Pid() const;
    // What the simulator wrote to stderr (and, when it failed to start, stdout).
    QString Log() const;

    static QString Program();  // path of the kxsim binary of this build

private:
    QStringList args_;
    std::unique_ptr<QProcess> process_;
    mutable QString log_;
    QString readyLine_;
    QString host_ = "127.0.0.1";
    int port_ = 0;
};

// Points the global session records at the simulator with its default
// communities (version 0 SNMPv1, 1 SNMPv2c).
void UseSimulator(const KxsimAgent& sim, int version = 1);

} // namespace kxtest
