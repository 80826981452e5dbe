// The wave reader: playable layouts are read exactly, and every damaged header is refused.
#include "platform/audio/WaveFile.h"

#include "WaveImage.h"
#include "platform/audio/MmSystem.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace wave_image;

TEST(WaveFile, ReadsFormatAndDataOfEachPlayableKind) {
    struct TCase {
        u16 Channels;
        u32 Rate;
        u16 Bits;
    };
    for (const TCase& c :
         {TCase{1, 11025, 8}, TCase{2, 22050, 8}, TCase{1, 22050, 16}, TCase{2, 44100, 16}}) {
        SCOPED_TRACE(testing::Message() << c.Channels << "ch " << c.Rate << " " << c.Bits);
        const u32 frameBytes = c.Channels * c.Bits / 8u;
        std::vector<u8> data(frameBytes * 3);
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<u8>(i + 1);
        const std::vector<u8> image = Wave(c.Channels, c.Rate, c.Bits, data);
        TWaveFile wave;
        ASSERT_EQ(ParseWaveFile(image.data(), image.size(), wave), MMSYSERR_NOERROR);
        EXPECT_EQ(wave.Channels, c.Channels);
        EXPECT_EQ(wave.Rate, c.Rate);
        EXPECT_EQ(wave.Bits, c.Bits);
        EXPECT_EQ(wave.Frames(), 3u);
        ASSERT_EQ(wave.DataBytes, data.size());
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
    using TMutation = std::function<void(std::vector<u8>&)>;
    struct TCase {
        const char* Name;
        TMutation Damage;
        u32 Expected;
    };
    const auto setU16 = [](std::size_t at, u16 v) {
        return [=](std::vector<u8>& i) { PutU16(i, at, v); };
    };
    const auto setU32 = [](std::size_t at, u32 v) {
        return [=](std::vector<u8>& i) { PutU32(i, at, v); };
    };
    const auto replaceWith = [](std::vector<u8> other) {
        return [=](std::vector<u8>& i) { i = other; };
    };
    const std::vector<u8> someData = Pcm16({1, 2});
    std::vector<u8> shortFormat = FormatBody(1, 22050, 16);
    shortFormat.resize(14);
    const TCase cases[] = {
        {"empty", replaceWith({}), MMSYSERR_INVALPARAM},
        {"shorter than the RIFF header", [](std::vector<u8>& i) { i.resize(11); },
         MMSYSERR_INVALPARAM},
        {"header only", [](std::vector<u8>& i) { i.resize(12); }, MMSYSERR_INVALPARAM},
        {"not RIFF", [](std::vector<u8>& i) { i[3] = 'X'; }, MMSYSERR_INVALPARAM},
        {"not WAVE", [](std::vector<u8>& i) { i[8] = 'A'; }, MMSYSERR_INVALPARAM},
        {"RIFF size past the image", setU32(4, 0x7FFFFFF0), MMSYSERR_INVALPARAM},
        {"RIFF size below the form type", setU32(4, 3), MMSYSERR_INVALPARAM},
        {"cut off in the data", [](std::vector<u8>& i) { i.resize(i.size() - 2); },
         MMSYSERR_INVALPARAM},
        {"format chunk too short", replaceWith(Riff({{"fmt ", shortFormat}, {"data", someData}})),
         MMSYSERR_INVALPARAM},
        {"format chunk past the file", setU32(16, 0xFFFFFFF0), MMSYSERR_INVALPARAM},
        {"no format chunk", replaceWith(Riff({{"data", someData}})), MMSYSERR_INVALPARAM},
        {"no data chunk", replaceWith(Riff({{"fmt ", FormatBody(1, 22050, 16)}})),
         MMSYSERR_INVALPARAM},
        {"two format chunks",
         replaceWith(Riff({{"fmt ", FormatBody(1, 22050, 16)},
                           {"fmt ", FormatBody(1, 22050, 16)},
                           {"data", someData}})),
         MMSYSERR_INVALPARAM},
        {"data chunk longer than the file", setU32(DataSizeAt, 6), MMSYSERR_INVALPARAM},
        {"data chunk size near 4 GB", setU32(DataSizeAt, 0xFFFFFFFE), MMSYSERR_INVALPARAM},
        {"odd data size for 16-bit samples", setU32(DataSizeAt, 3), MMSYSERR_INVALPARAM},
        {"stereo data not in whole frames", replaceWith(Wave(2, 22050, 16, Pcm16({1, 2, 3}))),
         MMSYSERR_INVALPARAM},
        {"partial chunk header at the end",
         [](std::vector<u8>& i) {
             i.insert(i.end(), {'J', 'U', 'N', 'K'});
             PutU32(i, 4, static_cast<u32>(i.size() - 8));
         },
         MMSYSERR_INVALPARAM},
        {"format tag float", setU16(FormatTagAt, 3), MMSYSERR_NOTSUPPORTED},
        {"format tag extensible", setU16(FormatTagAt, 0xFFFE), MMSYSERR_NOTSUPPORTED},
        {"no channels", setU16(ChannelsAt, 0), MMSYSERR_INVALPARAM},
        {"three channels", replaceWith(Wave(3, 22050, 16, Pcm16({1, 2, 3}))),
         MMSYSERR_NOTSUPPORTED},
        {"zero bits", setU16(BitsAt, 0), MMSYSERR_INVALPARAM},
        {"24 bits", replaceWith(Wave(1, 22050, 24, {1, 2, 3})), MMSYSERR_NOTSUPPORTED},
        {"12 bits", setU16(BitsAt, 12), MMSYSERR_NOTSUPPORTED},
        {"zero rate", setU32(RateAt, 0), MMSYSERR_INVALPARAM},
        {"48000 Hz", replaceWith(Wave(1, 48000, 16, someData)), MMSYSERR_NOTSUPPORTED},
        {"8000 Hz", replaceWith(Wave(1, 8000, 16, someData)), MMSYSERR_NOTSUPPORTED},
        {"block align disagrees", setU16(BlockAlignAt, 4), MMSYSERR_INVALPARAM},
        {"byte rate disagrees", setU32(BytesPerSecondAt, 22050), MMSYSERR_INVALPARAM},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<u8> image = Mono16({1, 2});
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
