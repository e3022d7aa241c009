#pragma once
// Maps a status of the SNMP engine to the module's error code and its text.
#include <string>

struct KvSnmpCode {
    int Code = 0;         // 0 success, -101..-118, -201..-217, -301..-314, -401..-423, -528
    std::string Message;  // catalogue text of the code
};

//   0, 1400, -1401   -> 0            "(DeRIRA++) Ok!"
//   1..18            -> -100 - s     SNMP error-status texts
//   -1418..-1402     -> s + 1201     SNMPv3 texts
//   1401..1414       -> 1100 - s     USM texts
//   -23..-1          -> s - 400      SNMP class texts
//   anything else    -> -528         "(DeRIRA++) Unknown error code!"
KvSnmpCode MapSnmpStatus(int status);

// Text of any module code (0, SNMP ranges and the framework's -500..-528).
std::string KvSnmpCodeText(int code);
