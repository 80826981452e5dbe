// TAnmEncoder: frames to runs, laid out field by field and little-endian.
#include "engine/media/AnmEncoder.h"

#include "engine/media/AnmImage.h"
#include "engine/media/LittleEndian.h"

#include <cstring>

namespace {

void SetLe32(std::vector<u8>& out, size_t at, u32 v) {
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<size_t>(i)] = static_cast<u8>(v >> (8 * i));
}

struct TRun {
    i16 X;
    u16 Length;
};

// The longest stretches of opaque pixels of one row.
std::vector<TRun> RunsOf(const TAnmFrameSource& frame, i32 row) {
    std::vector<TRun> runs;
    const size_t base = static_cast<size_t>(row) * static_cast<size_t>(frame.Width);
    i32 x = 0;
    while (x < frame.Width) {
        if (frame.Opaque[base + static_cast<size_t>(x)] == 0) {
            ++x;
            continue;
        }
        const i32 start = x;
        while (x < frame.Width && frame.Opaque[base + static_cast<size_t>(x)] != 0)
            ++x;
        runs.push_back({static_cast<i16>(start), static_cast<u16>(x - start)});
    }
    return runs;
}

} // namespace

std::vector<u8> TAnmEncoder::Encode(const std::vector<TAnmFrameSource>& frames, u16 refX,
                                    u16 refY) {
    if (frames.size() > 0xFFFF)
        return {};
    for (const TAnmFrameSource& f : frames) {
        const size_t area = static_cast<size_t>(f.Width < 0 ? 0 : f.Width) *
                            static_cast<size_t>(f.Height < 0 ? 0 : f.Height);
        if (f.Width < 0 || f.Height < 0 || f.Pixels.size() < area || f.Opaque.size() < area)
            return {};
    }
    std::vector<u8> out;
    out.insert(out.end(), {'A', 'N', 'M', ' '});
    PutLe16(out, 2);
    PutLe16(out, 0);
    PutLe32(out, 0);
    PutLe16(out, static_cast<u16>(frames.size()));
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe16(out, refX);
    PutLe16(out, refY);
    const size_t frameTable = out.size();
    out.resize(out.size() + 4 * frames.size());

    for (size_t k = 0; k < frames.size(); ++k) {
        const TAnmFrameSource& f = frames[k];
        SetLe32(out, frameTable + 4 * k, static_cast<u32>(out.size()));
        PutLe16(out, static_cast<u16>(f.Width));
        PutLe16(out, static_cast<u16>(f.Height));
        PutLe16(out, static_cast<u16>(f.HotX));
        PutLe16(out, static_cast<u16>(f.HotY));
        out.resize(out.size() + (ANM_FRAME_HEADER_SIZE - 8));
        const size_t rowTable = out.size();
        out.resize(out.size() + 4 * static_cast<size_t>(f.Height));
        for (i32 y = 0; y < f.Height; ++y) {
            const std::vector<TRun> runs = RunsOf(f, y);
            SetLe32(out, rowTable + 4 * static_cast<size_t>(y), static_cast<u32>(out.size()));
            PutLe16(out, static_cast<u16>(runs.size()));
            const size_t runTable = out.size();
            out.resize(out.size() + 4 * runs.size());
            for (size_t r = 0; r < runs.size(); ++r) {
                SetLe32(out, runTable + 4 * r, static_cast<u32>(out.size()));
                PutLe16(out, static_cast<u16>(runs[r].X));
                PutLe16(out, runs[r].Length);
                const u8* from = f.Pixels.data() + static_cast<size_t>(y) * f.Width + runs[r].X;
                out.insert(out.end(), from, from + runs[r].Length);
            }
        }
    }
    // Every offset is 32-bit.
    if (out.size() > 0xFFFFFFFFULL)
        return {};
    return out;
}
