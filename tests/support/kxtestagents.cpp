#include "kxtestagents.h"

#include "kvsnmpsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kxtest {

QTemporaryDir* SessionSuite::stateDir_ = nullptr;

void SessionSuite::SetUpTestSuite() {
    stateDir_ = new QTemporaryDir;
    InitGlobalSession(stateDir_->path().toStdString());
}

void SessionSuite::TearDownTestSuite() {
    delete stateDir_;
    stateDir_ = nullptr;
}

int FreeUdpPort() {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        socklen_t len = sizeof addr;
        if (::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0) port = ntohs(addr.sin_port);
    }
    ::close(fd);
    return port;
}

int RunProgram(const QString& program, const QStringList& args, QString* out, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    env.insert("MIBDIRS", "/nonexistent");
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForStarted(5000)) {
        if (out) *out = "cannot start " + program;
        return -1;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        if (out) *out = QString::fromLocal8Bit(p.readAll()) + "\n(timed out)";
        return -2;
    }
    if (out) *out = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -3;
}

QString SnmpTool(const char* name) { return QString(KX_SNMP_TOOLS_DIR) + "/" + name; }

bool WaitFor(const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < limitMs) KvProcessMessages(20);
    return condition();
}

void PumpFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) KvProcessMessages(20);
}

SnmpdAgent::SnmpdAgent(const SnmpdOptions& options) : options_(options) {
    if (!dir_.isValid()) return;
    QDir(dir_.path()).mkpath("persist");
    const QString conf = dir_.path() + "/snmpd.conf";
    {
        QFile f(conf);
        if (!f.open(QIODevice::WriteOnly)) return;
        QByteArray text;
        text += "rocommunity " + QByteArray::fromStdString(options_.ReadCommunity) + " 127.0.0.1\n";
        text += "rwcommunity " + QByteArray::fromStdString(options_.WriteCommunity) + " 127.0.0.1\n";
        text += "createUser md5user MD5 authpass123 DES privpass123\n";
        text += "createUser shauser SHA authpass123 DES privpass123\n";
        text += "createUser authonly MD5 authpass123\n";
        text += "rwuser md5user auth\nrwuser shauser auth\nrwuser authonly auth\n";
        text += "sysDescr kx test agent\nsysLocation loopback\n";
        f.write(text);
    }
    for (int attempt = 0; attempt < 5 && !running_; ++attempt) {
        port_ = FreeUdpPort();
        process_ = std::make_unique<QProcess>();
        process_->setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", dir_.path() + "/persist");
        env.insert("SNMPCONFPATH", dir_.path());
        env.insert("MIBS", "");
        env.insert("MIBDIRS", "/nonexistent");
        process_->setProcessEnvironment(env);
        process_->start(KX_SNMPD_PATH,
                        {"-f", "-Lo", "-C", "-c", conf, "-I", "-smux,mteTrigger,mteTriggerConf",
                         "-p", dir_.path() + "/snmpd.pid",
                         QString("udp:127.0.0.1:%1").arg(port_)});
        if (!process_->waitForStarted(5000)) continue;
        // Ready when an SNMP request is answered.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 8000 && process_->state() == QProcess::Running) {
            QString out;
            int rc = RunProgram(SnmpTool("snmpget"),
                                {"-v2c", "-c", QString::fromStdString(options_.ReadCommunity), "-t", "0.3",
                                 "-r", "0", "-On", QString("127.0.0.1:%1").arg(port_), "1.3.6.1.2.1.1.1.0"},
                                &out, 5000);
            if (rc == 0) {
                running_ = true;
                break;
            }
            QThread::msleep(50);
        }
        if (!running_) {
            process_->kill();
            process_->waitForFinished(2000);
        }
    }
}

SnmpdAgent::~SnmpdAgent() {
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(2000);
        }
    }
}

QString SnmpdAgent::Log() const {
    return process_ ? QString::fromLocal8Bit(process_->readAll()) : QString();
}

} // namespace kxtest
