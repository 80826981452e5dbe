// Building wave file images chunk by chunk, so that tests can damage any field they like.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <vector>

namespace wave_image {

inline void PutU16(std::vector<u8>& v, std::size_t at, u16 x) {
    v[at] = static_cast<u8>(x);
    v[at + 1] = static_cast<u8>(x >> 8);
}

inline void PutU32(std::vector<u8>& v, std::size_t at, u32 x) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = static_cast<u8>(x >> (8 * i));
}

inline void AppendU32(std::vector<u8>& v, u32 x) {
    v.resize(v.size() + 4);
    PutU32(v, v.size() - 4, x);
}

inline void AppendTag(std::vector<u8>& v, const std::string& tag) {
    // Byte by byte: gcc 12 at -O3 misreads a range insert from a string as an overflow.
    for (size_t i = 0; i < 4; ++i)
        v.push_back(static_cast<u8>(i < tag.size() ? tag[i] : ' '));
}

struct TChunk {
    std::string Tag;
    std::vector<u8> Body;
};

// The PCM format record with its derived fields consistent.
inline std::vector<u8> FormatBody(u16 channels, u32 rate, u16 bits, u16 tag = 1) {
    std::vector<u8> body(16);
    PutU16(body, 0, tag);
    PutU16(body, 2, channels);
    PutU32(body, 4, rate);
    PutU32(body, 8, rate * channels * (bits / 8));
    PutU16(body, 12, static_cast<u16>(channels * (bits / 8)));
    PutU16(body, 14, bits);
    return body;
}

inline std::vector<u8> Pcm16(const std::vector<i16>& samples) {
    std::vector<u8> bytes(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        PutU16(bytes, i * 2, static_cast<u16>(samples[i]));
    return bytes;
}

// Chunks padded to even lengths, the RIFF size covering them all.
inline std::vector<u8> Riff(const std::vector<TChunk>& chunks) {
    std::vector<u8> image;
    AppendTag(image, "RIFF");
    AppendU32(image, 0);
    AppendTag(image, "WAVE");
    for (const TChunk& c : chunks) {
        AppendTag(image, c.Tag);
        AppendU32(image, static_cast<u32>(c.Body.size()));
        image.insert(image.end(), c.Body.begin(), c.Body.end());
        if (c.Body.size() % 2 != 0)
            image.push_back(0);
    }
    PutU32(image, 4, static_cast<u32>(image.size() - 8));
    return image;
}

// The usual layout: the format record at 20, the data size at 40, the samples from 44.
inline std::vector<u8> Wave(u16 channels, u32 rate, u16 bits, const std::vector<u8>& data) {
    return Riff({{"fmt ", FormatBody(channels, rate, bits)}, {"data", data}});
}

inline std::vector<u8> Mono16(const std::vector<i16>& samples, u32 rate = 22050) {
    return Wave(1, rate, 16, Pcm16(samples));
}

constexpr std::size_t FormatTagAt = 20;
constexpr std::size_t ChannelsAt = 22;
constexpr std::size_t RateAt = 24;
constexpr std::size_t BytesPerSecondAt = 28;
constexpr std::size_t BlockAlignAt = 32;
constexpr std::size_t BitsAt = 34;
constexpr std::size_t DataSizeAt = 40;

} // namespace wave_image
