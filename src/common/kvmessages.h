#pragma once
// Message catalogues. Each catalogue is an ordered list of texts addressed
// by entry number; it starts as its built-in table and may be replaced as a
// whole from a text file (one message per non-blank line).
#include <string>

enum class KvCatalogue {
    Common,      // "errmsg\common.err"     KvCommon, entry = -code
    SnmpError,   // "errmsg\snmp.err"       PDU error status s: entry s - 1
    SnmpV3,      // "errmsg\snmpv3.err"     status s in -1418..-1402: entry -s - 1402
    SnmpUsm,     // "errmsg\snmpusm.err"    status s in 1401..1414: entry s - 1401
    SnmpClass,   // "errmsg\snmpclass.err"  status s in -23..-1: entry -s - 1
    DeRIRA,      // "errmsg\kvsnmp.err"     framework code c: entry -c - 500
    RequestLog,  // "errmsg\snmp.msg"       0 failed get, 1 failed set
};

constexpr int kKvCatalogueCount = 7;

// Replaces the catalogue with the file's non-blank lines. A file that cannot
// be opened, or holds no non-blank line, leaves the catalogue unchanged.
void LoadCatalogue(KvCatalogue catalogue, const std::string& path);

// The text of one entry. An entry beyond a loaded file's last line falls back
// to the built-in text of that entry; an entry outside both gives "".
std::string CatalogueText(KvCatalogue catalogue, int entry);

// Number of entries currently held (the file's line count once loaded).
int CatalogueSize(KvCatalogue catalogue);
int BuiltInCatalogueSize(KvCatalogue catalogue);

// The file name of a catalogue relative to the module directory, with "\"
// separators as the platform writes it (e.g. "errmsg\common.err").
std::string CatalogueFileName(KvCatalogue catalogue);

// Back to the built-in texts (used by tests).
void ResetCatalogue(KvCatalogue catalogue);
void ResetAllCatalogues();

// Every occurrence of placeholder replaced by value; value is never searched again.
std::string ReplaceAll(const std::string& text, const std::string& placeholder,
                       const std::string& value);

// KvCommon text for a common-library code (-18..0).
std::string KvCommonText(int code);
// DeRIRA++ text for a framework code (-528..-500).
std::string DeRIRAText(int code);

// Raise the error for a common-library or framework code with its catalogue text.
[[noreturn]] void RaiseKvCommon(int code);
[[noreturn]] void RaiseDeRIRA(int code);
