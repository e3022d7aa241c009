#include "kxsimagent.h"

#include "kvsnmpsession.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <csignal>

namespace kxtest {

namespace {
constexpr int kReadyTimeoutMs = 20000;  // generous: sanitizer builds start slower
constexpr int kStopTimeoutMs = 10000;
} // namespace

QString KxsimAgent::Program() { return QString(KX_BIN_DIR) + "/kxsim"; }

KxsimAgent::KxsimAgent(const QStringList& extraArgs, bool start) : args_(extraArgs) {
    if (!args_.contains("--port") && !args_.filter(QRegularExpression("^--port=")).size()) args_ << "--port" << "0";
    if (start) Start();
}

KxsimAgent::~KxsimAgent() { Stop(); }

bool KxsimAgent::Start() {
    Stop();
    readyLine_.clear();
    port_ = 0;
    process_ = std::make_unique<QProcess>();
    process_->setProgram(Program());
    process_->setArguments(args_);
    process_->start();
    if (!process_->waitForStarted(5000)) {
        log_ += "cannot start " + Program() + "\n";
        return false;
    }
    static const QRegularExpression ready("^kxsim: listening on udp:([0-9.]+):([0-9]+)$");
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kReadyTimeoutMs) {
        while (process_->canReadLine()) {
            const QString line = QString::fromLocal8Bit(process_->readLine()).trimmed();
            const auto m = ready.match(line);
            if (m.hasMatch()) {
                readyLine_ = line;
                host_ = m.captured(1);
                port_ = m.captured(2).toInt();
                return true;
            }
            log_ += line + "\n";
        }
        if (process_->state() == QProcess::NotRunning) break;
        process_->waitForReadyRead(100);
    }
    log_ += QString::fromLocal8Bit(process_->readAllStandardOutput());
    Log();
    Stop();
    return false;
}

bool KxsimAgent::Stop(int* exitCode, bool interrupt) {
    if (exitCode) *exitCode = -1;
    if (!process_) return false;
    bool finished = true;
    if (process_->state() != QProcess::NotRunning) {
        if (interrupt) ::kill(static_cast<pid_t>(process_->processId()), SIGINT);
        else process_->terminate();
        finished = process_->waitForFinished(kStopTimeoutMs);
        if (!finished) {
            process_->kill();
            process_->waitForFinished(2000);
        }
    }
    const bool clean = finished && process_->exitStatus() == QProcess::NormalExit;
    if (exitCode && clean) *exitCode = process_->exitCode();
    Log();
    process_.reset();
    return clean;
}

bool KxsimAgent::Running() const { return process_ && process_->state() == QProcess::Running && port_ > 0; }

qint64 KxsimAgent::Pid() const { return process_ ? process_->processId() : 0; }

QString KxsimAgent::Log() const {
    if (process_) log_ += QString::fromLocal8Bit(process_->readAllStandardError());
    return log_;
}

void UseSimulator(const KxsimAgent& sim, int version) {
    KvSNMPDevice.Address = "127.0.0.1";
    KvSNMPDevice.Port = static_cast<uint16_t>(sim.Port());
    KvSNMPSecurity.Version = static_cast<uint8_t>(version);
    KvSNMPSecurity.ReadCommunity = KxsimAgent::kReadCommunity;
    KvSNMPSecurity.WriteCommunity = KxsimAgent::kWriteCommunity;
}

} // namespace kxtest
