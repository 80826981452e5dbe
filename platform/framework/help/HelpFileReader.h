// The help file's layout: the topics the help window shows, their reader (hostile input is
// refused, never trusted) and the encoder the data build writes them with.
#pragma once

#include "platform/framework/WinTypes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A run of text inside a block; Link is the index of the topic it leads to, or -1.
struct THelpSpan {
    std::string Text;
    i32 Link = -1;
    bool operator==(const THelpSpan&) const = default;
};

enum class THelpBlockKind : u8 { Paragraph = 0, Heading = 1, Bullet = 2 };

struct THelpBlock {
    THelpBlockKind Kind = THelpBlockKind::Paragraph;
    std::vector<THelpSpan> Spans;
    bool operator==(const THelpBlock&) const = default;
};

struct THelpTopic {
    // The name links use in the help source.
    std::string Key;
    std::string Title;
    // The id the program asks for; 0 when the topic is reached only through links.
    u32 Context = 0;
    std::vector<THelpBlock> Blocks;
    bool operator==(const THelpTopic&) const = default;
};

// Topic 0 is the contents.
struct THelpBook {
    std::vector<THelpTopic> Topics;

    // The topic with the context id, or -1.
    int FindContext(u32 context) const;
    bool operator==(const THelpBook&) const = default;
};

// "OTHP", version, then the topics field by field, little-endian; strings are a u16 length
// and their bytes.
constexpr char HELP_FILE_TAG[4] = {'O', 'T', 'H', 'P'};
constexpr u16 HELP_FILE_VERSION = 1;
// Bounds a reader holds a file to, and the encoder refuses to pass.
constexpr std::size_t HELP_FILE_MAX_BYTES = 4 * 1024 * 1024;
constexpr std::size_t HELP_MAX_TOPICS = 1000;
constexpr std::size_t HELP_MAX_BLOCKS = 4000;
constexpr std::size_t HELP_MAX_SPANS = 1000;
constexpr std::size_t HELP_MAX_TEXT = 4000;

// The book in the bytes, or nothing with the reason in error: a wrong tag or version, a
// short or over-long file, a count or length past its bound, a link to no topic, a block of
// unknown kind, no topic at all.
std::optional<THelpBook> ReadHelpFile(const u8* data, std::size_t size,
                                      std::string* error = nullptr);
// The same for a file on the host; a missing or unreadable file is refused the same way, and so,
// without any wait, is a folder, a FIFO or a device in its place.
std::optional<THelpBook> ReadHelpFileAt(const std::string& hostPath, std::string* error = nullptr);

// The file's bytes; empty when the book breaks a bound the reader holds to (error says which).
std::vector<u8> EncodeHelpFile(const THelpBook& book, std::string* error = nullptr);
