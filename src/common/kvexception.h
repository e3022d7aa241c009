#pragma once
// The general error raised by the common library and the SNMP framework:
// the message text (already taken from its catalogue, placeholders filled)
// and the numeric code (-1..-18 common, -101..-528 framework).
#include <stdexcept>
#include <string>

class KvException : public std::runtime_error {
public:
    KvException(const std::string& message, int helpContext)
        : std::runtime_error(message), helpContext_(helpContext) {}

    std::string Message() const { return what(); }
    int HelpContext() const { return helpContext_; }

private:
    int helpContext_;
};
