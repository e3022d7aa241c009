#include "kvmessages.h"

#include "kvexception.h"

#include <array>
#include <fstream>
#include <memory>
#include <mutex>
#include <vector>

namespace {

const std::vector<std::string> kCommon = {
    "(KvCommon) Ok!",
    "(KvCommon) Bad logic operand!",
    "(KvCommon) Bad format specifier of edit's constraint!",
    "(KvCommon) Empty value is not allowed!",
    "(KvCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(KvCommon) Please enter a string whose length is [LEN]!",
    "(KvCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(KvCommon) Please enter a hex string whose length is [LEN]!",
    "(KvCommon) Please enter a number between [MIN] and [MAX]!",
    "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "(KvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "(KvCommon) Out of range at index of array or list!",
    "(KvCommon) Destination buffer is undersize!",
    "(KvCommon) The source to dncrypt is not encrypted!",
    "(KvCommon) Fail to read data from file([FILENAME])!",
    "(KvCommon) Fail to write data to file([FILENAME])!",
    "(KvCommon) Fail to write value in ini file([FILENAME])!",
    "(KvCommon) Fail to read option data from file([FILENAME])!",
};

const std::vector<std::string> kSnmpError = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const std::vector<std::string> kSnmpV3 = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const std::vector<std::string> kSnmpUsm = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const std::vector<std::string> kSnmpClass = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const std::vector<std::string> kDeRIRA = {
    "(DeRIRA++) Ok!",
    "(DeRIRA++) Fail to read SNMP variables from file([FILENAME])!",
    "(DeRIRA++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DeRIRA++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DeRIRA++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DeRIRA++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(DeRIRA++) Cannot create the global DeRIRA++ session!",
    "(DeRIRA++) Error when loading SNMP engine boots counter!",
    "(DeRIRA++) Error when saving SNMP engine boots counter!",
    "(DeRIRA++) Invalid IP Address or DNS name!",
    "(DeRIRA++) Can't send get-next command for a SNMP variable list with single value!",
    "(DeRIRA++) Bad SNMP syntax!",
    "(DeRIRA++) Null value in the expression!",
    "(DeRIRA++) Bad SNMP syntax in the expression!",
    "(DeRIRA++) Bad key count of SNMP variable list!",
    "(DeRIRA++) Bad item type of SNMP variable list!",
    "(DeRIRA++) Bad item type of associated SNMP variable list!",
    "(DeRIRA++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(DeRIRA++) Bad value of the associated SNMP variable's (partial) data!",
    "(DeRIRA++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(DeRIRA++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(DeRIRA++) Bad type of the associated visual control!",
    "(DeRIRA++) Count of the associated visual controls is not enough!",
    "(DeRIRA++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(DeRIRA++) Count of the value items for the chart's history data is not enough!",
    "(DeRIRA++) Log database is not connected!",
    "(DeRIRA++) Log database field not found!",
    "(DeRIRA++) Bad syntax for the history chart of log!",
    "(DeRIRA++) Unknown error code!",
};

const std::vector<std::string> kRequestLog = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const std::vector<std::string>& BuiltIn(KvCatalogue c) {
    switch (c) {
    case KvCatalogue::Common: return kCommon;
    case KvCatalogue::SnmpError: return kSnmpError;
    case KvCatalogue::SnmpV3: return kSnmpV3;
    case KvCatalogue::SnmpUsm: return kSnmpUsm;
    case KvCatalogue::SnmpClass: return kSnmpClass;
    case KvCatalogue::DeRIRA: return kDeRIRA;
    case KvCatalogue::RequestLog: return kRequestLog;
    }
    return kCommon;
}

// Loaded replacement tables; null while the built-in table is in force.
// Everything runs on the GUI thread, but keep lookups safe from any thread.
std::array<std::shared_ptr<const std::vector<std::string>>, kKvCatalogueCount> gLoaded;
std::mutex gMutex;

std::shared_ptr<const std::vector<std::string>> Loaded(KvCatalogue c) {
    std::lock_guard<std::mutex> lock(gMutex);
    return gLoaded[static_cast<size_t>(c)];
}

bool IsBlank(const std::string& line) {
    for (unsigned char ch : line)
        if (ch > ' ') return false;
    return true;
}

// Reads the non-blank lines of a catalogue file. Returns false when the file
// cannot be opened. A line end is LF or CR LF; only the line end is removed.
bool ReadNonBlankLines(const std::string& path, std::vector<std::string>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!IsBlank(line)) out.push_back(line);
    }
    return true;
}

} // namespace

void LoadCatalogue(KvCatalogue catalogue, const std::string& path) {
    auto lines = std::make_shared<std::vector<std::string>>();
    if (!ReadNonBlankLines(path, *lines) || lines->empty()) return;
    std::lock_guard<std::mutex> lock(gMutex);
    gLoaded[static_cast<size_t>(catalogue)] = std::move(lines);
}

std::string CatalogueText(KvCatalogue catalogue, int entry) {
    if (entry < 0) return {};
    if (auto loaded = Loaded(catalogue); loaded && entry < static_cast<int>(loaded->size()))
        return (*loaded)[static_cast<size_t>(entry)];
    const auto& builtIn = BuiltIn(catalogue);
    if (entry < static_cast<int>(builtIn.size())) return builtIn[static_cast<size_t>(entry)];
    return {};
}

int CatalogueSize(KvCatalogue catalogue) {
    if (auto loaded = Loaded(catalogue)) return static_cast<int>(loaded->size());
    return BuiltInCatalogueSize(catalogue);
}

int BuiltInCatalogueSize(KvCatalogue catalogue) {
    return static_cast<int>(BuiltIn(catalogue).size());
}

std::string CatalogueFileName(KvCatalogue catalogue) {
    switch (catalogue) {
    case KvCatalogue::Common: return "errmsg\\common.err";
    case KvCatalogue::SnmpError: return "errmsg\\snmp.err";
    case KvCatalogue::SnmpV3: return "errmsg\\snmpv3.err";
    case KvCatalogue::SnmpUsm: return "errmsg\\snmpusm.err";
    case KvCatalogue::SnmpClass: return "errmsg\\snmpclass.err";
    case KvCatalogue::DeRIRA: return "errmsg\\kvsnmp.err";
    case KvCatalogue::RequestLog: return "errmsg\\snmp.msg";
    }
    return {};
}

void ResetCatalogue(KvCatalogue catalogue) {
    std::lock_guard<std::mutex> lock(gMutex);
    gLoaded[static_cast<size_t>(catalogue)].reset();
}

void ResetAllCatalogues() {
    for (int i = 0; i < kKvCatalogueCount; ++i) ResetCatalogue(static_cast<KvCatalogue>(i));
}

std::string ReplaceAll(const std::string& text, const std::string& placeholder,
                       const std::string& value) {
    if (placeholder.empty()) return text;
    std::string result;
    size_t from = 0;
    for (;;) {
        size_t at = text.find(placeholder, from);
        if (at == std::string::npos) break;
        result.append(text, from, at - from);
        result += value;
        from = at + placeholder.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string KvCommonText(int code) { return CatalogueText(KvCatalogue::Common, -code); }
std::string DeRIRAText(int code) { return CatalogueText(KvCatalogue::DeRIRA, -code - 500); }

void RaiseKvCommon(int code) { throw KvException(KvCommonText(code), code); }
void RaiseDeRIRA(int code) { throw KvException(DeRIRAText(code), code); }
