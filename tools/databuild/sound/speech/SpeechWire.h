// The speech helper's wire: requests and replies over one stream socket, in the machine's own
// byte order (both ends are built together and run side by side).
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace speechwire {

// A request: the text and how to say it. A reply: a status (0 spoken), the engine's sample
// rate and the samples.
struct TRequest {
    std::string Text;
    std::string Variant;
    std::int32_t Pitch = 0, Range = 0, Rate = 0;
};

// The longest text or sample run either end accepts: a guard against a desynchronised stream.
constexpr std::uint32_t MAX_TEXT = 1U << 16;
constexpr std::uint32_t MAX_SAMPLES = 1U << 24;

inline bool Send(int fd, const void* data, std::size_t bytes) {
    const char* at = static_cast<const char*>(data);
    while (bytes > 0) {
        // MSG_NOSIGNAL: a helper that died gives an error here, not a signal.
        const ssize_t n = send(fd, at, bytes, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

inline bool Receive(int fd, void* data, std::size_t bytes) {
    char* at = static_cast<char*>(data);
    while (bytes > 0) {
        const ssize_t n = read(fd, at, bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

inline bool SendString(int fd, const std::string& s) {
    const auto size = static_cast<std::uint32_t>(s.size());
    return Send(fd, &size, sizeof size) && Send(fd, s.data(), s.size());
}

inline bool ReceiveString(int fd, std::string& s) {
    std::uint32_t size = 0;
    if (!Receive(fd, &size, sizeof size) || size > MAX_TEXT)
        return false;
    s.resize(size);
    return Receive(fd, s.data(), size);
}

inline bool SendRequest(int fd, const TRequest& r) {
    return SendString(fd, r.Text) && SendString(fd, r.Variant) &&
           Send(fd, &r.Pitch, sizeof r.Pitch) && Send(fd, &r.Range, sizeof r.Range) &&
           Send(fd, &r.Rate, sizeof r.Rate);
}

inline bool ReceiveRequest(int fd, TRequest& r) {
    return ReceiveString(fd, r.Text) && ReceiveString(fd, r.Variant) &&
           Receive(fd, &r.Pitch, sizeof r.Pitch) && Receive(fd, &r.Range, sizeof r.Range) &&
           Receive(fd, &r.Rate, sizeof r.Rate);
}

inline bool SendReply(int fd, std::int32_t status, std::int32_t rate,
                      const std::vector<std::int16_t>& samples) {
    const auto count = static_cast<std::uint32_t>(samples.size());
    return Send(fd, &status, sizeof status) && Send(fd, &rate, sizeof rate) &&
           Send(fd, &count, sizeof count) &&
           Send(fd, samples.data(), samples.size() * sizeof(std::int16_t));
}

inline bool ReceiveReply(int fd, std::int32_t& status, std::int32_t& rate,
                         std::vector<std::int16_t>& samples) {
    std::uint32_t count = 0;
    if (!Receive(fd, &status, sizeof status) || !Receive(fd, &rate, sizeof rate) ||
        !Receive(fd, &count, sizeof count) || count > MAX_SAMPLES)
        return false;
    samples.resize(count);
    return Receive(fd, samples.data(), count * sizeof(std::int16_t));
}

} // namespace speechwire
