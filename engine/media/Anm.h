// TAnm: a run-length animation read in place from its ".anm" file, stepped one frame per tick and
// drawn straight into the back buffer.
#pragma once

#include "engine/media/AnmData.h"
#include "engine/media/AnmImage.h"
#include "engine/media/Gr.h"

#include <memory>

class TAnmList;
class TBmp;

// Engine-object flags of an animation, besides running, stopped, visible and in the list.
constexpr u16 ANMF_VERSION1 = 0x0800; // the file said version 1 (or had another tag)
constexpr u16 ANMF_COUNTED = 0x1000;  // its list counts it as playing

class TAnm : public TGr {
public:
    // Takes the file mode as it is and both frame data from the template; nothing is
    // registered or read (Create does that as well).
    TAnm(TJorpOwner* owner, const TFileMode& mode, const TAnmData& frameData);
    ~TAnm() override;

    // A new animation attached to its data file; read now when load is set.
    static std::unique_ptr<TAnm> Create(TJorpOwner* owner, const TFileMode& mode,
                                        const TAnmData& frameData, bool load, bool keep);

    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Play(u32 tick) override;
    void Start() override;
    void Stop() override;
    void Show() override;
    void Hide() override;
    void Acquire(u32 tick) override;
    void Release() override;
    bool ReadBody() override;
    bool WriteBody() override { return true; }
    bool ReadHeader() override;
    std::string GetExtension() const override { return ".anm"; }
    bool ChangeFile(const TFileMode& mode) override;
    void SetMajorVersion() override { HeaderMajor = 2; }
    void SetMinorVersion() override { HeaderMinor = 0; }
    const char* GetHeaderId() const override { return "ANM "; }
    bool Draw(TJorpDC& dc, const TRect16& rect) override;

    // Virtual operations of animations, after those of graphics.
    virtual void OnStartNoReset() {}
    virtual void OnStopStay() {}
    // Takes the current frame data's frame and position as the picture; whoever sets the
    // frame data directly calls this.
    virtual void SelectFrame() { SelectFrameRect(); }

    void SelectFrameRect();
    void ResetFrames();
    // Holds whatever frame it is given: it never steps, rewinds or leaves the screen by itself,
    // so that only the game moves it (the table's chips, digits, faces and dice).
    void Pin();
    // Stands the picture at (y, z), x as the file put it, showing the frame.
    void StandAt(i16 y, i16 z, u16 frame);
    // Draws the current frame into the target's pixels within the clip and the target.
    // False without the image, for a frame that is missing or not wholly inside it, or for
    // a target without pixels; true when something or nothing needed drawing.
    bool DrawFrame(TBmp& target, const TRect16& clip);
    void SetOffset(const TGrPoint& offset);

    // Whoever may change the frame data takes it here, within one call: its list then passes
    // over it again (a reference kept past the next frame would change it unseen).
    TAnmData& GetCurrentData();
    const TAnmData& GetCurrentData() const { return Current; }
    // Its next Tick and PostTick would change nothing while nothing changes it from outside:
    // it holds a frame found and shown as selected, or does not run, and no start is due
    // after the tick.
    bool IsQuiet(u32 tick) const;
    const TAnmData& GetTemplate() const { return Template; }
    TAnmList* GetList() const { return List; }
    void SetList(TAnmList* list);
    u32 GetStartTick() const { return PlayStartTick; }
    u32 GetEndTick() const { return EndTick; }
    // The file's frame count; 0 while its image is not in memory.
    u16 GetFrameCount() const;
    const TAnmImage& GetImageFrames() const { return Frames; }

protected:
    void DrawStateTouched() override { Touch(); }

private:
    // Something that its passes depend on changed: the last selection no longer stands, and
    // its list passes over it again.
    void Touch();
    // The bytes of the file as read, or null while they are not in memory.
    TEmbeddedAddress ImageBytes() const;
    // The image is wanted in memory now.
    void LoadNow();
    bool IsRunning() const { return (Flags & (JOF_ON | JOF_STOP_REQUESTED)) == JOF_ON; }

    u32 EndTick = 0;
    TAnmData Template;
    TAnmData Current;
    TAnmList* List = nullptr;
    TAnmImage Frames;
    // A file that failed to read once is not read again for every use.
    bool ReadTried = false;
    // The last SelectFrameRect found its frame, and neither its frame data, its image nor its
    // drawing state has changed since: selecting again would give what is there.
    bool Selected = false;
    // A frame other than the one selected was drawn since the last whole repaint: the screen
    // may hold some of it, so the next new frame is repainted whole.
    bool DrewOther = false;
};
