// The wave file reader: nothing in the image is trusted, every size is checked against the bytes.
#include "WaveFile.h"

#include "MmSystem.h"

namespace {

u16 ReadU16(const u8* p) {
    return static_cast<u16>(p[0] | (p[1] << 8));
}

u32 ReadU32(const u8* p) {
    return static_cast<u32>(p[0]) | (static_cast<u32>(p[1]) << 8) | (static_cast<u32>(p[2]) << 16) |
           (static_cast<u32>(p[3]) << 24);
}

bool IsTag(const u8* p, const char* tag) {
    return p[0] == static_cast<u8>(tag[0]) && p[1] == static_cast<u8>(tag[1]) &&
           p[2] == static_cast<u8>(tag[2]) && p[3] == static_cast<u8>(tag[3]);
}

constexpr u16 WAVE_FORMAT_PCM = 1;
constexpr std::size_t RiffHeaderBytes = 12;
constexpr std::size_t ChunkHeaderBytes = 8;
constexpr u32 PcmFormatBytes = 16;

bool IsPlayableRate(u32 rate) {
    return rate == 11025 || rate == 22050 || rate == 44100;
}

} // namespace

u32 ParseWaveFile(const u8* image, std::size_t length, TWaveFile& wave) {
    wave = TWaveFile{};
    if (image == nullptr || length < RiffHeaderBytes)
        return MMSYSERR_INVALPARAM;
    if (!IsTag(image, "RIFF") || !IsTag(image + 8, "WAVE"))
        return MMSYSERR_INVALPARAM;
    // The image may be a memory block rounded up past the file, so the RIFF size, not the
    // block, bounds the chunks; a RIFF size beyond the block means a cut-off file.
    const u32 riffSize = ReadU32(image + 4);
    if (riffSize < 4 || riffSize > length - ChunkHeaderBytes)
        return MMSYSERR_INVALPARAM;
    const std::size_t end = ChunkHeaderBytes + riffSize;

    const u8* format = nullptr;
    const u8* data = nullptr;
    u32 dataBytes = 0;
    std::size_t at = RiffHeaderBytes;
    while (at < end) {
        if (end - at < ChunkHeaderBytes)
            return MMSYSERR_INVALPARAM;
        const u8* chunk = image + at;
        const u32 size = ReadU32(chunk + 4);
        at += ChunkHeaderBytes;
        if (size > end - at)
            return MMSYSERR_INVALPARAM;
        if (IsTag(chunk, "fmt ")) {
            if (format != nullptr || size < PcmFormatBytes)
                return MMSYSERR_INVALPARAM;
            format = image + at;
        } else if (IsTag(chunk, "data")) {
            if (data != nullptr)
                return MMSYSERR_INVALPARAM;
            data = image + at;
            dataBytes = size;
        }
        // Chunks are padded to an even length; a last odd chunk may lack its pad byte.
        at += size;
        if ((size & 1) != 0 && at < end)
            ++at;
    }
    if (format == nullptr || data == nullptr)
        return MMSYSERR_INVALPARAM;

    const u16 tag = ReadU16(format);
    const u16 channels = ReadU16(format + 2);
    const u32 rate = ReadU32(format + 4);
    const u32 bytesPerSecond = ReadU32(format + 8);
    const u16 blockAlign = ReadU16(format + 12);
    const u16 bits = ReadU16(format + 14);
    if (channels == 0 || rate == 0 || bits == 0)
        return MMSYSERR_INVALPARAM;
    if (tag != WAVE_FORMAT_PCM || channels > 2 || (bits != 8 && bits != 16) ||
        !IsPlayableRate(rate))
        return MMSYSERR_NOTSUPPORTED;
    // The derived fields must agree with the ones they derive from, or the writer was broken.
    const u32 frameBytes = static_cast<u32>(channels) * (bits / 8);
    if (blockAlign != frameBytes || bytesPerSecond != rate * frameBytes)
        return MMSYSERR_INVALPARAM;
    if (dataBytes % frameBytes != 0)
        return MMSYSERR_INVALPARAM;

    wave.Channels = channels;
    wave.Rate = rate;
    wave.Bits = bits;
    wave.Data = data;
    wave.DataBytes = dataBytes;
    return MMSYSERR_NOERROR;
}
