#pragma once
// Driving kxsim with Net-SNMP's command-line tools: credential option sets,
// running snmpget/snmpgetnext/snmpwalk/snmpset, and reading their output
// (numeric OIDs, octet strings always in hex, time ticks as numbers).
#include "kxsimagent.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

// Readable QString and QStringList values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) { *os << '{' << list.join(", ").toStdString() << '}'; }

namespace kxsimtest {

// Objects the simulator serves (numeric OIDs, no MIB files on this system).
inline const QString kUnitEntry = "1.3.6.1.4.1.99402.12.11.1.9.4.1";
inline const QString kPortInfoEntry = "1.3.6.1.4.1.99402.11.59.7.2.3.1.1";
inline const QString kPortCtrlEntry = "1.3.6.1.4.1.99402.11.59.7.2.3.2.1";
inline const QString kModuleEntry = "1.3.6.1.4.1.99402.11.59.7.2.1.1.3.1";
inline const QString kRmonState = "1.3.6.1.4.1.99402.11.59.7.2.1.2.3.0";
inline const QString kCommunityEntry = "1.3.6.1.6.3.18.1.1.1";
inline const QString kIfEntry = "1.3.6.1.2.1.2.2.1";
inline const QString kIfXEntry = "1.3.6.1.2.1.31.1.1.1";
inline const QString kSysDescr = "1.3.6.1.2.1.1.1.0";

QString LedOid(int unit);  // swUnitMgmtFrontPanelLedStatus.unit

struct Varbind {
    QString Oid;      // without the leading dot
    QString Type;     // INTEGER, STRING (octet strings), Counter64, Timeticks, OID, NoSuchInstance, ...
    qlonglong Number = 0;
    QByteArray Bytes;  // octet strings
    QString Text;      // the value as printed
};

struct SnmpReply {
    int Exit = 0;
    QString Output;
    QList<Varbind> Vars;

    bool Ok() const { return Exit == 0 && !Output.contains("Error in packet"); }
    bool TimedOut() const { return Output.contains("Timeout: No Response"); }
    // The error status name of a failed request ("wrongType", "noSuchName").
    QString Reason() const;
    std::optional<Varbind> Find(const QString& oid) const;
    // Varbinds under a prefix, in order.
    QList<Varbind> Under(const QString& prefix) const;
};

// Credential option sets for the tools.
QStringList V1(const QString& community = "public");
QStringList V2c(const QString& community = "public");
QStringList V3(const QString& user, const QString& level, const QString& authProtocol,
               const QString& authPass = "kxauthpass", const QString& privProtocol = {},
               const QString& privPass = "kxprivpass");
QStringList V3Md5Des(const QString& level = "authPriv");
QStringList V3ShaAes(const QString& level = "authPriv");
QStringList V3Reader();

struct Timing {
    double TimeoutS = 2;
    int Retries = 1;
};

SnmpReply Snmp(const char* tool, const QStringList& credentials, const kxtest::KxsimAgent& agent,
               const QStringList& args, Timing timing = {});
SnmpReply Get(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QStringList& oids,
              Timing timing = {});
SnmpReply GetNext(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QStringList& oids,
                  Timing timing = {});
SnmpReply Walk(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QString& oid,
               Timing timing = {});
// setArgs: OID TYPE VALUE triples as snmpset takes them.
SnmpReply Set(const QStringList& credentials, const kxtest::KxsimAgent& agent, const QStringList& setArgs,
              Timing timing = {});

// A file with this text in a fresh temporary directory that lives as long as
// the test program.
QString WriteTempFile(const QString& name, const QString& text);

} // namespace kxsimtest
