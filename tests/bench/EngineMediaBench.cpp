// The cost of a mode's picture on the headless desktop: the bare 8-bit to screen conversion, a
// frame in which everything is redrawn and shown, and a frame in which nothing changed; the
// same two frames with sprites playing run-length animations.
#include "engine/media/Anm.h"
#include "engine/media/AnmEncoder.h"
#include "engine/media/Bmp.h"
#include "engine/media/Pal.h"
#include "engine/media/ScreenMgr.h"
#include "engine/media/Sprite.h"
#include "engine/media/VideoWinG.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Surface.h"
#include "platform/framework/draw/WinG.h"
#include "platform/framework/window/Application.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/Library.h"
// The tests' stand-in mode window.
#include "support/ModeWindowStandIn.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

namespace {

// A bitmap with pixels of its own, as a file's would be once read.
class TMemoryBmp : public TBmp {
public:
    TMemoryBmp(TJorpOwner* owner, i32 width, i32 height, u8 seed)
        : TBmp(owner), Pixels(static_cast<size_t>((width + 3) / 4 * 4 * height)) {
        for (size_t i = 0; i < Pixels.size(); ++i)
            Pixels[i] = static_cast<u8>(seed + i % 61);
        auto info = std::make_unique<TBitmapInfo>(256);
        info->Get()->bmiHeader.biWidth = width;
        info->Get()->bmiHeader.biHeight = height;
        AdoptBits(std::move(info), Pixels.data(), nullptr);
    }
    std::vector<u8> Pixels;
};

std::array<RGBQUAD, 256> Colours() {
    std::array<RGBQUAD, 256> c{};
    for (int i = 0; i < 256; ++i)
        c[static_cast<size_t>(i)] = {static_cast<u8>(i), static_cast<u8>(i * 3),
                                     static_cast<u8>(255 - i), 0};
    return c;
}

// Nanoseconds per iteration of the three measurements, for the goals reported last.
double BareNs = 0;
double FullNs = 0;
double IdleNs = 0;
double SpriteFullNs = 0;
double SpriteIdleNs = 0;

template <class F> double TimeLoop(benchmark::State& state, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        body();
    const auto ns =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start);
    return ns.count() / static_cast<double>(state.iterations());
}

void BM_BareConvert(benchmark::State& state) {
    std::vector<u8> buffer(640 * 480);
    for (size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<u8>(i * 7);
    std::array<u32, 256> table{};
    const std::array<RGBQUAD, 256> colours = Colours();
    for (size_t i = 0; i < 256; ++i)
        table[i] = MakeArgb(colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue);
    TScreenSurface screen({640, 480});
    BareNs = TimeLoop(state, [&] {
        for (i32 y = 0; y < 480; ++y) {
            const u8* from = buffer.data() + static_cast<size_t>(y) * 640;
            u32* to = screen.Row(y);
            for (i32 x = 0; x < 640; ++x)
                to[x] = table[from[x]];
        }
        benchmark::DoNotOptimize(screen.Row(0));
    });
}
BENCHMARK(BM_BareConvert)->Unit(benchmark::kMicrosecond);

// A mode window with a background and forty 64 x 64 graphics at distinct z over it, bitmaps or
// sprites.
class TScene {
public:
    explicit TScene(bool sprites = false) {
        RegisterWinGLibrary();
        Window = new TStandInModeWindow;
        auto* frame = new TStandInFrame(Window);
        App.SetMainWindow(frame);
        frame->Create();
        frame->ShowWindow(SW_SHOWNORMAL);
        const std::array<RGBQUAD, 256> colours = Colours();
        Palette = std::make_unique<TPal>(colours.data(), 256);
        Background = std::make_unique<TMemoryBmp>(Window, 640, 480, 10);
        Window->ScreenMgr =
            std::make_unique<TJorpScreenMgr>(Window, Background.get(), Palette.get());
        for (int i = 0; i < 40 && !sprites; ++i) {
            auto g = std::make_unique<TMemoryBmp>(Window, 64, 64, static_cast<u8>(20 + i));
            g->SetZ(static_cast<i16>(40 - i));
            g->AddToVideo();
            Graphics.push_back(std::move(g));
        }
        if (sprites)
            AddSprites();
        Move(0);
        App.PumpWaitingMessages();
        Window->BuildFrame();
    }
    ~TScene() {
        Graphics.clear();
        Sprites.clear();
        Window->ScreenMgr.reset();
        UnregisterBuiltinLibraries();
    }
    // Each sprite plays an eight-frame 64 x 64 animation of which half the pixels are
    // transparent (stripes that move from frame to frame).
    void AddSprites() {
        std::vector<TAnmFrameSource> frames(8, TAnmFrameSource{64, 64, 0, 0, {}, {}});
        for (int k = 0; k < 8; ++k)
            for (i32 y = 0; y < 64; ++y)
                for (i32 x = 0; x < 64; ++x) {
                    frames[k].Pixels.push_back(static_cast<u8>(20 + x + y + k));
                    frames[k].Opaque.push_back(((x + 2 * k) / 8) % 2 == 0 ? 1 : 0);
                }
        AnmBytes = TAnmEncoder::Encode(frames, 0, 0);
        for (int i = 0; i < 40; ++i) {
            TAnmData data(static_cast<i16>((i % 8) * 72), static_cast<i16>((i / 8) * 90),
                          static_cast<i16>(40 - i), 0, 0xFFFF, 0, ANM_FORWARD, true, true, true);
            data.SetFlag(ANMD_ANCHOR_FROM_FILE, false);
            auto anm = std::make_unique<TAnm>(Window, TFileMode("bench.anm", 1, 1), data);
            anm->LoadAt({AnmBytes.data(), static_cast<u32>(AnmBytes.size())}, true);
            Sprites.push_back(std::make_unique<TSprite>(Window));
            Sprites.back()->AddAnm(anm.release());
        }
        SpriteFrame();
    }
    // One frame of the mode window with sprites: they step (and start again when they have
    // run their frames), the surface renders, their second pass.
    void SpriteFrame() {
        const u32 t = ++Window->FrameCount;
        for (auto& sprite : Sprites) {
            if ((sprite->GetFlags() & (JOF_ON | JOF_STOP_REQUESTED)) != JOF_ON)
                sprite->Play(t);
            else
                sprite->Tick(t);
        }
        Video().RenderFrame();
        for (auto& sprite : Sprites)
            sprite->PostTick(t);
    }
    // Spread over the whole surface, each a few pixels from where the last frame had it.
    void Move(int frame) {
        for (auto& sprite : Sprites)
            sprite->GetAnmList()->SetOffset(
                {static_cast<i16>((frame % 2) * 6), static_cast<i16>((frame % 2) * 4), 0});
        for (size_t i = 0; i < Graphics.size(); ++i) {
            const i32 x = static_cast<i32>(i % 8) * 72 + (frame % 2) * 6;
            const i32 y = static_cast<i32>(i / 8) * 90 + (frame % 2) * 4;
            Graphics[i]->SetRect({x, y, x + 64, y + 64});
        }
    }
    TVideoWinG& Video() { return *Window->Video(); }

    THeadlessSession Session;
    TApplication App{"bench"};
    TStandInModeWindow* Window = nullptr;
    std::unique_ptr<TPal> Palette;
    std::unique_ptr<TMemoryBmp> Background;
    std::vector<std::unique_ptr<TMemoryBmp>> Graphics;
    std::vector<u8> AnmBytes;
    std::vector<std::unique_ptr<TSprite>> Sprites;
};

// Everything moved and the whole surface dirty: background and every graphic redrawn, the
// whole window painted from the back buffer and presented.
void BM_FullFrame(benchmark::State& state) {
    TScene scene;
    int frame = 0;
    const u32 presents = scene.Session.Backend().GetPresentCount();
    FullNs = TimeLoop(state, [&] {
        scene.Move(++frame);
        scene.Video().AddPending(scene.Video().GetBounds());
        scene.Window->BuildFrame();
    });
    if (scene.Session.Backend().GetPresentCount() == presents)
        state.SkipWithError("nothing was presented");
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMicrosecond);

void BM_IdleFrame(benchmark::State& state) {
    TScene scene;
    const u32 presents = scene.Session.Backend().GetPresentCount();
    IdleNs = TimeLoop(state, [&] { scene.Window->BuildFrame(); });
    if (scene.Session.Backend().GetPresentCount() != presents)
        state.SkipWithError("an idle frame presented");
}
BENCHMARK(BM_IdleFrame)->Unit(benchmark::kMicrosecond);

// Every sprite moved and stepped and the whole surface dirty.
void BM_SpriteFullFrame(benchmark::State& state) {
    TScene scene(true);
    int frame = 0;
    const u32 presents = scene.Session.Backend().GetPresentCount();
    SpriteFullNs = TimeLoop(state, [&] {
        scene.Move(++frame);
        scene.Video().AddPending(scene.Video().GetBounds());
        scene.SpriteFrame();
    });
    if (scene.Session.Backend().GetPresentCount() == presents)
        state.SkipWithError("nothing was presented");
}
BENCHMARK(BM_SpriteFullFrame)->Unit(benchmark::kMicrosecond);

// The sprites on screen, nothing changed since the last frame.
void BM_SpriteIdleFrame(benchmark::State& state) {
    TScene scene(true);
    const u32 presents = scene.Session.Backend().GetPresentCount();
    SpriteIdleNs = TimeLoop(state, [&] { scene.Window->BuildFrame(); });
    if (scene.Session.Backend().GetPresentCount() != presents ||
        scene.Video().GetGraphics().GetCount() != 40)
        state.SkipWithError("an idle frame presented, or the sprites are not on screen");
}
BENCHMARK(BM_SpriteIdleFrame)->Unit(benchmark::kMicrosecond);

// The goals: a full frame costs at most five bare conversions, an idle one under 5% of a full;
// the same with sprites.
void BM_Goals(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BareNs);
    if (BareNs <= 0 || FullNs <= 0 || SpriteFullNs <= 0) {
        state.SkipWithError("run with the other benchmarks");
        return;
    }
    state.counters["FullOverBare"] = FullNs / BareNs;
    state.counters["IdlePercentOfFull"] = 100.0 * IdleNs / FullNs;
    state.counters["SpriteFullOverBare"] = SpriteFullNs / BareNs;
    state.counters["SpriteIdlePercentOfFull"] = 100.0 * SpriteIdleNs / SpriteFullNs;
}
BENCHMARK(BM_Goals)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
