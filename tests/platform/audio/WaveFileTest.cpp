// The wave reader: playable layouts are read exactly, and every damaged header is refused.
#include "platform/audio/WaveFile.h"

#include "WaveImage.h"
#include "platform/audio/MmSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

using namespace wave_image;

TEST(WaveFile, ReadsFormatAndDataOfEachPlayableKind) {
    const struct {
        u16 Channels;
        u32 Rate;
        u16 Bits;
    } cases[] = {{1, 11025, 8}, {2, 22050, 8}, {1, 22050, 16}, {2, 44100, 16}};
    for (const auto& c : cases) {
        std::vector<u8> data(c.Channels * c.Bits / 8u * 3);
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<u8>(i + 1);
        const std::vector<u8> image = Wave(c.Channels, c.Rate, c.Bits, data);
        TWaveFile wave;
        ASSERT_EQ(ParseWaveFile(image.data(), image.size(), wave), MMSYSERR_NOERROR);
        EXPECT_EQ(std::tuple(wave.Channels, wave.Rate, wave.Bits, wave.Frames()),
                  std::tuple(c.Channels, c.Rate, c.Bits, 3u));
        EXPECT_EQ(std::vector<u8>(wave.Data, wave.Data + wave.DataBytes), data);
    }
}

TEST(WaveFile, SkipsOtherChunksAndTheirPadBytes) {
    // An odd-sized chunk before the data is followed by a pad byte that is not data, an
    // extended format record is accepted, and the last odd chunk may lack its pad byte.
    std::vector<u8> format = FormatBody(1, 11025, 8);
    format.push_back(0);
    format.push_back(0);
    std::vector<u8> image =
        Riff({{"fmt ", format}, {"LIST", {9, 9, 9}}, {"data", {0x81, 0x82, 0x83}}});
    image.pop_back();
    PutU32(image, 4, static_cast<u32>(image.size() - 8));
    // A memory block rounded up past the file holds bytes that are not part of it.
    image.insert(image.end(), {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    TWaveFile wave;
    ASSERT_EQ(ParseWaveFile(image.data(), image.size(), wave), MMSYSERR_NOERROR);
    ASSERT_EQ(wave.DataBytes, 3u);
    EXPECT_EQ(std::vector<u8>(wave.Data, wave.Data + 3), (std::vector<u8>{0x81, 0x82, 0x83}));
}

TEST(WaveFile, RefusesDamagedAndUnsupportedHeaders) {
    using TImage = std::vector<u8>;
    const auto u16At = [](std::size_t at, u16 v) { return [=](TImage& i) { PutU16(i, at, v); }; };
    const auto u32At = [](std::size_t at, u32 v) { return [=](TImage& i) { PutU32(i, at, v); }; };
    const auto cut = [](std::size_t size) { return [=](TImage& i) { i.resize(size); }; };
    const auto is = [](TImage other) { return [=](TImage& i) { i = other; }; };
    const TImage data = Pcm16({1, 2});
    TImage shortFormat = FormatBody(1, 22050, 16);
    shortFormat.resize(14);
    const u32 bad = MMSYSERR_INVALPARAM, unsupported = MMSYSERR_NOTSUPPORTED;
    const struct {
        const char* Name;
        std::function<void(TImage&)> Damage;
        u32 Expected;
    } cases[] = {
        // clang-format off
        {"empty", cut(0), bad},  {"shorter than the RIFF header", cut(11), bad},
        {"header only", cut(12), bad},  {"not RIFF", [](TImage& i) { i[3] = 'X'; }, bad},
        {"not WAVE", [](TImage& i) { i[8] = 'A'; }, bad},
        {"RIFF size past the image", u32At(4, 0x7FFFFFF0), bad},
        {"RIFF size below the form type", u32At(4, 3), bad},
        {"cut off in the data", cut(Mono16({1, 2}).size() - 2), bad},
        {"format chunk too short", is(Riff({{"fmt ", shortFormat}, {"data", data}})), bad},
        {"format chunk past the file", u32At(16, 0xFFFFFFF0), bad},
        {"no format chunk", is(Riff({{"data", data}})), bad},
        {"no data chunk", is(Riff({{"fmt ", FormatBody(1, 22050, 16)}})), bad},
        {"two format chunks", is(Riff({{"fmt ", FormatBody(1, 22050, 16)},
                                       {"fmt ", FormatBody(1, 22050, 16)}, {"data", data}})), bad},
        {"data chunk longer than the file", u32At(DataSizeAt, 6), bad},
        {"data chunk size near 4 GB", u32At(DataSizeAt, 0xFFFFFFFE), bad},
        {"odd data size for 16-bit samples", u32At(DataSizeAt, 3), bad},
        {"stereo data not in whole frames", is(Wave(2, 22050, 16, Pcm16({1, 2, 3}))), bad},
        {"partial chunk header at the end", [](TImage& i) {
             i.insert(i.end(), {'J', 'U', 'N', 'K'});
             PutU32(i, 4, static_cast<u32>(i.size() - 8)); }, bad},
        {"format tag float", u16At(FormatTagAt, 3), unsupported},
        {"format tag extensible", u16At(FormatTagAt, 0xFFFE), unsupported},
        {"no channels", u16At(ChannelsAt, 0), bad},
        {"three channels", is(Wave(3, 22050, 16, Pcm16({1, 2, 3}))), unsupported},
        {"zero bits", u16At(BitsAt, 0), bad},
        {"24 bits", is(Wave(1, 22050, 24, {1, 2, 3})), unsupported},
        {"12 bits", u16At(BitsAt, 12), unsupported},
        {"zero rate", u32At(RateAt, 0), bad},
        {"48000 Hz", is(Wave(1, 48000, 16, data)), unsupported},
        {"8000 Hz", is(Wave(1, 8000, 16, data)), unsupported},
        {"block align disagrees", u16At(BlockAlignAt, 4), bad},
        {"byte rate disagrees", u32At(BytesPerSecondAt, 22050), bad},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TImage image = Mono16({1, 2});
        c.Damage(image);
        TWaveFile wave;
        wave.Channels = 9;
        EXPECT_EQ(ParseWaveFile(image.empty() ? nullptr : image.data(), image.size(), wave),
                  c.Expected);
        // A refused image leaves nothing that could be mistaken for a wave.
        EXPECT_EQ(wave.Data, nullptr);
        EXPECT_EQ(wave.Channels, 0);
    }
}

} // namespace
