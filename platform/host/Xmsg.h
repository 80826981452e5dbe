// xmsg: the class library's message exception, the family the framework's own exceptions
// belong to; the program's main function catches it by reference and shows its message.
#pragma once

#include <exception>
#include <string>
#include <utility>

class xmsg : public std::exception {
public:
    explicit xmsg(std::string message) : Message(std::move(message)) {}

    const std::string& why() const { return Message; }
    const char* what() const noexcept override { return Message.c_str(); }

private:
    std::string Message;
};
