#include "simtools.h"

#include "kxtestagents.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kxsimtest {

QString LedOid(int unit) { return kUnitEntry + ".6." + QString::number(unit); }

QString SnmpReply::Reason() const {
    static const QRegularExpression re("Reason: \\(?([A-Za-z]+)");
    const auto m = re.match(Output);
    return m.hasMatch() ? m.captured(1) : QString();
}

std::optional<Varbind> SnmpReply::Find(const QString& oid) const {
    for (const Varbind& v : Vars)
        if (v.Oid == oid) return v;
    return std::nullopt;
}

QList<Varbind> SnmpReply::Under(const QString& prefix) const {
    QList<Varbind> out;
    for (const Varbind& v : Vars)
        if (v.Oid.startsWith(prefix + ".")) out << v;
    return out;
}

QStringList V1(const QString& community) { return {"-v1", "-c", community}; }
QStringList V2c(const QString& community) { return {"-v2c", "-c", community}; }

QStringList V3(const QString& user, const QString& level, const QString& authProtocol, const QString& authPass,
               const QString& privProtocol, const QString& privPass) {
    QStringList args{"-v3", "-u", user, "-l", level};
    if (!authProtocol.isEmpty()) args << "-a" << authProtocol << "-A" << authPass;
    if (!privProtocol.isEmpty()) args << "-x" << privProtocol << "-X" << privPass;
    return args;
}

QStringList V3Md5Des(const QString& level) {
    return V3("kxmd5des", level, "MD5", "kxauthpass", level == "authPriv" ? "DES" : QString());
}
QStringList V3ShaAes(const QString& level) {
    return V3("kxshaaes", level, "SHA", "kxauthpass", level == "authPriv" ? "AES" : QString());
}
QStringList V3Reader() { return V3("kxreader", "authNoPriv", "SHA"); }

namespace {

QList<Varbind> ParseOutput(const QString& output) {
    static const QRegularExpression line("^\\.?([0-9][0-9.]*) = (?:([A-Za-z0-9-]+): ?)?(.*)$");
    static const QRegularExpression hexPair("[0-9A-Fa-f]{2}");
    QList<Varbind> vars;
    for (const QString& raw : output.split('\n')) {
        const auto m = line.match(raw);
        if (!m.hasMatch()) {
            // Continuation of a long Hex-STRING.
            if (!vars.isEmpty() && vars.back().Type == "STRING" && !raw.trimmed().isEmpty() &&
                QRegularExpression("^([0-9A-Fa-f]{2} ?)+$").match(raw.trimmed()).hasMatch()) {
                vars.back().Bytes += QByteArray::fromHex(raw.toLatin1());
                vars.back().Text += " " + raw.trimmed();
            }
            continue;
        }
        Varbind v;
        v.Oid = m.captured(1);
        QString type = m.captured(2);
        const QString value = m.captured(3).trimmed();
        v.Text = value;
        if (type.isEmpty()) {
            if (value == "\"\"") type = "STRING";
            else if (value.startsWith("No Such Object")) type = "NoSuchObject";
            else if (value.startsWith("No Such Instance")) type = "NoSuchInstance";
            else if (value.startsWith("No more variables")) type = "EndOfMibView";
        }
        if (type == "Hex-STRING" || type == "STRING") {
            v.Bytes = type == "Hex-STRING" ? QByteArray::fromHex(value.toLatin1()) : QByteArray();
            if (type == "STRING" && value.startsWith('"')) v.Bytes = value.mid(1, value.size() - 2).toUtf8();
            type = "STRING";
        } else if (type == "Timeticks") {
            v.Number = value.section(')', 0, 0).remove('(').toLongLong();
        } else {
            v.Number = value.toLongLong();
        }
        v.Type = type;
        vars << v;
    }
    return vars;
}

} // namespace

SnmpReply Snmp(const char* tool, const QStringList& credentials, const kxtest::KxsimAgent& agent,
               const QStringList& args, Timing timing) {
    QStringList all = credentials;
    all << "-On" << "-Ox" << "-Ot" << "-t" << QString::number(timing.TimeoutS) << "-r"
        << QString::number(timing.Retries) << agent.Target() << args;
    SnmpReply reply;
    reply.Exit = kxtest::RunProgram(kxtest::SnmpTool(tool), all, &reply.Output, 60000);
    reply.Vars = ParseOutput(reply.Output);
    return reply;
}

SnmpReply Get(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QStringList& oids,
              Timing timing) {
    return Snmp("snmpget", credentials, agent, oids, timing);
}

SnmpReply GetNext(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QStringList& oids,
                  Timing timing) {
    // -Cf: report errors as they are instead of retrying without the failed varbind.
    return Snmp("snmpgetnext", credentials, agent, QStringList{"-Cf"} + oids, timing);
}

SnmpReply Walk(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QString& oid,
               Timing timing) {
    SnmpReply reply = Snmp("snmpwalk", credentials, agent, {oid}, timing);
    // The end of a v2c/v3 walk repeats the last OID as endOfMibView.
    reply.Vars.removeIf([](const Varbind& v) { return v.Type == "EndOfMibView"; });
    return reply;
}

SnmpReply Set(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QStringList& setArgs,
              Timing timing) {
    return Snmp("snmpset", credentials, agent, setArgs, timing);
}

QString WriteTempFile(const QString& name, const QString& text) {
    static QTemporaryDir dir;
    const QString path = dir.path() + "/" + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text.toUtf8());
    return path;
}

} // namespace kxsimtest
