// The help file: reading it back with every count, length and link checked, and encoding it.
#include "HelpFileReader.h"

#include "platform/host/PathKind.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

int THelpBook::FindContext(u32 context) const {
    if (context == 0)
        return -1;
    for (std::size_t i = 0; i < Topics.size(); ++i)
        if (Topics[i].Context == context)
            return static_cast<int>(i);
    return -1;
}

namespace {

constexpr u16 NoLink = 0xFFFF;

class TCursor {
public:
    TCursor(const u8* data, std::size_t size) : Data(data), Size(size) {}

    bool Bytes(void* out, std::size_t count) {
        if (count > Size - Pos)
            return false;
        std::memcpy(out, Data + Pos, count);
        Pos += count;
        return true;
    }
    bool U8(u8& out) { return Bytes(&out, 1); }
    bool U16(u16& out) {
        u8 b[2];
        if (!Bytes(b, 2))
            return false;
        out = static_cast<u16>(b[0] | (b[1] << 8));
        return true;
    }
    bool U32(u32& out) {
        u8 b[4];
        if (!Bytes(b, 4))
            return false;
        out = static_cast<u32>(b[0]) | (static_cast<u32>(b[1]) << 8) |
              (static_cast<u32>(b[2]) << 16) | (static_cast<u32>(b[3]) << 24);
        return true;
    }
    bool Text(std::string& out) {
        u16 length = 0;
        if (!U16(length) || length > HELP_MAX_TEXT || length > Size - Pos)
            return false;
        out.assign(reinterpret_cast<const char*>(Data + Pos), length);
        Pos += length;
        return true;
    }
    bool AtEnd() const { return Pos == Size; }

private:
    const u8* Data;
    std::size_t Size;
    std::size_t Pos = 0;
};

bool Fail(std::string* error, const std::string& why) {
    if (error != nullptr)
        *error = why;
    return false;
}

bool ReadTopic(TCursor& in, THelpTopic& topic, std::vector<u16>& links, std::string* error) {
    u16 blocks = 0;
    if (!in.U32(topic.Context) || !in.Text(topic.Key) || !in.Text(topic.Title) || !in.U16(blocks))
        return Fail(error, "a topic is cut short");
    if (blocks > HELP_MAX_BLOCKS)
        return Fail(error, "a topic has too many blocks");
    topic.Blocks.resize(blocks);
    for (THelpBlock& block : topic.Blocks) {
        u8 kind = 0;
        u16 spans = 0;
        if (!in.U8(kind) || !in.U16(spans))
            return Fail(error, "a block is cut short");
        if (kind > static_cast<u8>(THelpBlockKind::Bullet))
            return Fail(error, "a block of unknown kind");
        if (spans > HELP_MAX_SPANS)
            return Fail(error, "a block has too many spans");
        block.Kind = static_cast<THelpBlockKind>(kind);
        block.Spans.resize(spans);
        for (THelpSpan& span : block.Spans) {
            u16 link = 0;
            if (!in.U16(link) || !in.Text(span.Text))
                return Fail(error, "a span is cut short");
            links.push_back(link);
            span.Link = link == NoLink ? -1 : link;
        }
    }
    return true;
}

void PutU16(std::vector<u8>& out, u16 v) {
    out.push_back(static_cast<u8>(v));
    out.push_back(static_cast<u8>(v >> 8));
}
void PutU32(std::vector<u8>& out, u32 v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<u8>(v >> (8 * i)));
}
void PutText(std::vector<u8>& out, const std::string& text) {
    PutU16(out, static_cast<u16>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

} // namespace

std::optional<THelpBook> ReadHelpFile(const u8* data, std::size_t size, std::string* error) {
    if (data == nullptr || size > HELP_FILE_MAX_BYTES) {
        Fail(error, "the file is too large");
        return std::nullopt;
    }
    TCursor in(data, size);
    char tag[4] = {};
    u16 version = 0;
    u16 count = 0;
    if (!in.Bytes(tag, 4) || std::memcmp(tag, HELP_FILE_TAG, 4) != 0) {
        Fail(error, "not a help file");
        return std::nullopt;
    }
    if (!in.U16(version) || version != HELP_FILE_VERSION) {
        Fail(error, "a help file of another version");
        return std::nullopt;
    }
    if (!in.U16(count) || count == 0 || count > HELP_MAX_TOPICS) {
        Fail(error, "no topics, or too many");
        return std::nullopt;
    }
    THelpBook book;
    book.Topics.resize(count);
    std::vector<u16> links;
    for (THelpTopic& topic : book.Topics)
        if (!ReadTopic(in, topic, links, error))
            return std::nullopt;
    if (!in.AtEnd()) {
        Fail(error, "bytes after the last topic");
        return std::nullopt;
    }
    for (u16 link : links)
        if (link != NoLink && link >= count) {
            Fail(error, "a link to no topic");
            return std::nullopt;
        }
    return book;
}

std::optional<THelpBook> ReadHelpFileAt(const std::string& hostPath, std::string* error) {
    // A FIFO in the file's place would hold the program at the open for ever.
    THostPathKind kind = THostPathKind::Missing;
    const int fd = OpenPlainFileToRead(hostPath, &kind);
    if (fd < 0) {
        Fail(error, kind == THostPathKind::Missing
                        ? std::string("the file cannot be opened")
                        : std::string("it is ") + DescribeHostPathKind(kind));
        return std::nullopt;
    }
    // One byte past the bound is enough to know the file is too large.
    std::vector<u8> bytes(HELP_FILE_MAX_BYTES + 1);
    std::size_t got = 0;
    bool readable = true;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            readable = n == 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (!readable) {
        Fail(error, "the file cannot be read");
        return std::nullopt;
    }
    bytes.resize(got);
    return ReadHelpFile(bytes.data(), bytes.size(), error);
}

std::vector<u8> EncodeHelpFile(const THelpBook& book, std::string* error) {
    auto refuse = [&](const std::string& why) {
        Fail(error, why);
        return std::vector<u8>{};
    };
    const std::size_t count = book.Topics.size();
    if (count == 0 || count > HELP_MAX_TOPICS)
        return refuse("no topics, or too many");
    std::vector<u8> out(HELP_FILE_TAG, HELP_FILE_TAG + 4);
    PutU16(out, HELP_FILE_VERSION);
    PutU16(out, static_cast<u16>(count));
    for (const THelpTopic& topic : book.Topics) {
        if (topic.Key.size() > HELP_MAX_TEXT || topic.Title.size() > HELP_MAX_TEXT)
            return refuse("topic " + topic.Key + ": a name or title too long");
        if (topic.Blocks.size() > HELP_MAX_BLOCKS)
            return refuse("topic " + topic.Key + ": too many blocks");
        PutU32(out, topic.Context);
        PutText(out, topic.Key);
        PutText(out, topic.Title);
        PutU16(out, static_cast<u16>(topic.Blocks.size()));
        for (const THelpBlock& block : topic.Blocks) {
            if (block.Spans.size() > HELP_MAX_SPANS)
                return refuse("topic " + topic.Key + ": a block with too many spans");
            out.push_back(static_cast<u8>(block.Kind));
            PutU16(out, static_cast<u16>(block.Spans.size()));
            for (const THelpSpan& span : block.Spans) {
                if (span.Text.size() > HELP_MAX_TEXT)
                    return refuse("topic " + topic.Key + ": a text too long");
                if (span.Link >= static_cast<i32>(count) || span.Link < -1)
                    return refuse("topic " + topic.Key + ": a link to no topic");
                PutU16(out, span.Link < 0 ? NoLink : static_cast<u16>(span.Link));
                PutText(out, span.Text);
            }
        }
    }
    if (out.size() > HELP_FILE_MAX_BYTES)
        return refuse("the help is too large");
    return out;
}
