#pragma once
// kxsim's command line.
#include "value.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kxsim {

struct Options {
    std::string Listen = "127.0.0.1";
    int Port = 16100;  // 0: any free port (the ready line tells which)

    std::string DataDir;    // models.txt, stack.txt, agent.conf, objects/
    std::string StackFile;  // default DataDir/stack.txt
    int Units = 0;          // > 0: generated stack instead of a file
    std::vector<std::string> ObjectPaths;  // extra object files or directories
    std::string StateFile;  // writes loaded at start and appended as they happen
    std::string StateDir;   // parent of the private directory; default $TMPDIR or /tmp

    uint32_t Seed = 1;
    bool Still = false;
    bool Verbose = false;
    std::string DebugTokens;  // Net-SNMP debug tokens, comma-separated

    std::string ReadCommunity = "public";
    std::string WriteCommunity = "private";
    std::string Md5User = "kxmd5des";
    std::string ShaUser = "kxshaaes";
    std::string ReaderUser = "kxreader";
    std::string AuthPass = "kxauthpass";
    std::string PrivPass = "kxprivpass";
    std::string EngineId;  // hex digits; default derived from the port

    // Fault switches.
    int DelayMs = 0;
    int DropEvery = 0;
    bool ShortLed = false;
    bool V1EndNoSuchName = false;
    std::vector<Oid> WrongType;
};

enum class ParseResult { Run, Help, Error };

// Fills *options; on Error *message says why, on Help it holds the usage.
ParseResult ParseOptions(int argc, char** argv, Options* options, std::string* message);

std::string Usage();

} // namespace kxsim
