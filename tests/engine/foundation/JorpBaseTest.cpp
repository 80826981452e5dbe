// Engine objects: saving and loading with embedded children, bounded reads, fatal reports, timing.
#include "engine/foundation/JorpBase.h"

#include "FileMgrFixture.h"
#include "engine/foundation/BaseFile.h"
#include "engine/foundation/FileWriteBuf.h"
#include "engine/foundation/JorpOwner.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A child stored inline: a 32-bit payload and a string.
class TChild : public TJorpBase {
public:
    explicit TChild(TJorpOwner* owner) : TJorpBase(owner) {}
    TChild(TJorpOwner* owner, int unused, const TFileMode& mode) : TJorpBase(owner, unused, mode) {}
    const char* GetHeaderId() const override { return "CHLD"; }
    bool ReadBody() override { return ReadI32(Payload) && ReadString(Text); }
    bool WriteBody() override { return WriteI32(Payload) && WriteString(Text); }
    i32 Payload = 0;
    std::string Text;
};

// A parent with fields of every kind and its children inline.
class TParent : public TJorpBase {
public:
    using TJorpBase::TJorpBase;
    ~TParent() override = default;
    const char* GetHeaderId() const override { return "PRNT"; }
    std::string GetExtension() const override { return ".prt"; }
    void SetMinorVersion() override { HeaderMinor = 3; }

    bool ReadBody() override {
        i16 count = 0;
        if (!ReadU16(Number) || !ReadString(Title) || !ReadName9(Short) || !ReadI16(count))
            return false;
        for (i16 i = 0; i < count; ++i) {
            auto child = CreateLoadedAt<TChild>(GetReadPosition(), true, Owner);
            if (!SkipChild(*child))
                return false;
            Children.push_back(std::move(child));
        }
        return true;
    }
    bool WriteBody() override {
        if (!WriteU16(Number) || !WriteString(Title) || !WriteName9(Short) ||
            !WriteI16(static_cast<i16>(Children.size())))
            return false;
        for (auto& child : Children)
            child->Save(WriteFile);
        return true;
    }

    u16 Number = 0;
    std::string Title;
    std::string Short;
    std::vector<std::unique_ptr<TChild>> Children;
};

class JorpBase : public ObjectFileFixture {
protected:
    // Saves a parent with two children to d:\things\box.prt and returns its bytes.
    std::string SaveSample() {
        TParent parent(nullptr, 0, TFileMode("things\\box.prt", 0, 4));
        parent.Number = 0xBEEF;
        parent.Title = "Felt";
        parent.Short = "LongDealerName";
        for (int i = 0; i < 2; ++i) {
            auto child = std::make_unique<TChild>(nullptr);
            child->Payload = -100 - i;
            child->Text = "c" + std::to_string(i);
            parent.Children.push_back(std::move(child));
        }
        std::filesystem::create_directories(Cd.Host("things"));
        EXPECT_TRUE(parent.Save(nullptr));
        EXPECT_EQ(parent.GetWriteFile(), nullptr);
        return Cd.ReadHostFile("things/box.prt");
    }
};

TEST_F(JorpBase, SavedObjectsReadBackWithTheirEmbeddedChildren) {
    const std::string bytes = SaveSample();
    // Header: id, major 1, minor 3, a zero word; then the body, children inline.
    ASSERT_GE(bytes.size(), 12U);
    EXPECT_EQ(bytes.substr(0, 12), std::string("PRNT\x01\x00\x03\x00\x00\x00\x00\x00", 12));
    EXPECT_EQ(bytes.substr(12, 2), "\xEF\xBE");

    const auto made =
        TJorpBase::CreateAttached<TParent>(TFileMode("things\\box", 0, 4), true, false, nullptr);
    const TParent& loaded = *made;
    EXPECT_TRUE(loaded.HasFlags(JOF_LOADED));
    EXPECT_EQ(loaded.GetBytesRead(), static_cast<i32>(bytes.size()));
    EXPECT_EQ(loaded.GetFileMode().Name.GetText(), "\\things\\box.prt");
    EXPECT_EQ(loaded.GetHeaderMinor(), 3);
    EXPECT_EQ(loaded.Number, 0xBEEF);
    EXPECT_EQ(loaded.Title, "Felt");
    EXPECT_EQ(loaded.Short, "longdeal");
    ASSERT_EQ(loaded.Children.size(), 2U);
    EXPECT_EQ(loaded.Children[1]->Payload, -101);
    EXPECT_EQ(loaded.Children[1]->Text, "c1");
    // A child of 12 header bytes, 4 of payload and a 3-byte string with its length.
    EXPECT_EQ(loaded.Children[0]->GetBytesRead(), 12 + 4 + 2 + 3);
    // Loaded without keep: the image was let go again.
    EXPECT_EQ(loaded.GetImage(), nullptr);
}

TEST_F(JorpBase, EveryTruncationFailsCleanlyInsideTheImage) {
    const std::string bytes = SaveSample();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::string name = "cut" + std::to_string(cut) + ".prt";
        Cd.WriteHostFile(name, bytes.substr(0, cut));
        const auto loaded =
            TJorpBase::CreateAttached<TParent>(TFileMode(name, 0, 4), true, true, nullptr);
        EXPECT_EQ(loaded->GetBytesRead(), -1) << cut;
        EXPECT_FALSE(loaded->HasFlags(JOF_LOADED)) << cut;
        // A failed child never moves its parent's cursor backwards.
        EXPECT_LE(loaded->GetReadCursor(), cut) << cut;
    }
}

TEST_F(JorpBase, AWrongTagEndsTheProgramWithTheHeaderBox) {
    std::string bytes = SaveSample();
    bytes.replace(0, 4, "PRN\0", 4);
    Cd.WriteHostFile("bad.prt", bytes);
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(
        TJorpBase::CreateAttached<TParent>(TFileMode("bad.prt", 0, 4), true, false, nullptr),
        TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Header ID");
    EXPECT_EQ(boxes.Boxes[0].Text, "Header ID read: 'PRN'\nHeader ID needed: 'PRNT'\n"
                                   "Object being read: bad.prt\nAborting Program");
    EXPECT_EQ(boxes.Boxes[0].Flags, MB_TASKMODAL);
}

TEST_F(JorpBase, SaveFailuresAreFatalWithTheirCodes) {
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    // The base class writes no body.
    TJorpBase plain(nullptr, 0, TFileMode("plain.bas", 0, 1));
    EXPECT_THROW(plain.Save(nullptr), TProcessExit);

    // The last buffered bytes cannot reach the disk: a failed close, not a quiet loss.
    class TNoExtension : public TChild {
    public:
        using TChild::TChild;
        std::string GetExtension() const override { return ""; }
    };
    TVirtualPaths::SetDriveRoot('z', "/dev");
    Settings.SetCDDrive("z:");
    TNoExtension full(nullptr, 0, TFileMode("full", 0, 1));
    full.Text = "lost";
    EXPECT_THROW(full.Save(nullptr), TProcessExit);
    TVirtualPaths::SetDriveRoot('z', "");

    ASSERT_EQ(boxes.Boxes.size(), 2U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Error -  Write");
    EXPECT_EQ(boxes.Boxes[0].Text, "Base Class\nError Type:\nCouldn't write local data\nAborting");
    EXPECT_EQ(boxes.Boxes[1].Text, "Base Class\nError Type:\nCouldn't close file\nAborting");
}

TEST_F(JorpBase, NamesAndStringsAtTheEdges) {
    // Written through the primitives into a parent body by hand.
    class TRaw : public TJorpBase {
    public:
        using TJorpBase::TJorpBase;
        const char* GetHeaderId() const override { return "RAW "; }
        std::string GetExtension() const override { return ".raw"; }
        bool WriteBody() override {
            std::string lower = "MixedCase";
            return WriteName9(lower) && WriteFileName9(TJorpFileName("KeepCase")) && WriteU16(0);
        }
        bool ReadBody() override {
            return ReadName9(A) && ReadFileName9(B) && (StringRead = ReadString(C), true);
        }
        std::string A, C;
        TJorpFileName B;
        bool StringRead = true;
    };
    TRaw raw(nullptr, 0, TFileMode("raw.raw", 0, 1));
    ASSERT_TRUE(raw.Save(nullptr));
    const auto back =
        TJorpBase::CreateAttached<TRaw>(TFileMode("raw.raw", 0, 4), true, false, nullptr);
    EXPECT_EQ(back->A, "mixedcas");
    EXPECT_EQ(back->B.GetText(), "KeepCase");
    // A stored string length of 0 is refused.
    EXPECT_FALSE(back->StringRead);
}

TEST_F(JorpBase, EmptyNamesAndMissingFilesLeaveAnObjectWithoutData) {
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    TJorpBase nameless(nullptr);
    nameless.AttachFile(TFileMode("", 0, 4), true, false);
    EXPECT_TRUE(nameless.HasFlags(JOF_NO_IMAGE));
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Base::FMRegister");
    EXPECT_EQ(boxes.Boxes[0].Text, "Name is NULL");

    // An empty data file gives an empty image: the load fails, nothing is read.
    WriteData("empty.bas", 0);
    TJorpBase empty(nullptr);
    empty.AttachFile(TFileMode("empty.bas", 0, 4), true, true);
    EXPECT_EQ(empty.GetBytesRead(), -1);
    EXPECT_EQ(boxes.Boxes.size(), 1U);
}

TEST_F(JorpBase, SharedImagesCountTheirUsersAndLevels) {
    SaveSample();
    TParent a(nullptr);
    a.AttachFile(TFileMode("things\\box.prt", 0, 4), true, true);
    TParent b(nullptr);
    b.AttachFile(TFileMode("things\\box.prt", 0, 2), true, true);
    ASSERT_NE(a.GetImage(), nullptr);
    EXPECT_EQ(a.GetImage(), b.GetImage());
    TJorpBaseFile* image = a.GetImage();
    EXPECT_EQ(image->UseCount, 2);
    EXPECT_EQ(image->GetRamLevel(), 4);

    // Three users put the levels at 3; a change of levels keeps the same image.
    a.Acquire(0);
    a.Acquire(0);
    a.Acquire(0);
    EXPECT_TRUE(a.UpdateFileLevels());
    EXPECT_EQ(a.GetFileMode().RamLevel, 3);
    EXPECT_EQ(a.GetImage(), image);
    EXPECT_EQ(image->GetRamCount(3), 1);
    EXPECT_EQ(image->GetRamCount(4), 0);
    a.ReleaseImage();
    EXPECT_EQ(image->UseCount, 1);
    EXPECT_EQ(image->GetRamLevel(), 2);
}

TEST_F(JorpBase, ReattachingLetsGoOfTheLevelsTheOldImageCountedIt) {
    WriteData("a.bas", 8);
    WriteData("b.bas", 8);
    // Once needed now, then only wanted: the old level goes with the old registration, so
    // that the image is freed once nobody uses it.
    TJorpBase user(nullptr);
    user.AttachFile(TFileMode("a.bas", 0, 4), false, true);
    TJorpBaseFile* a = user.GetImage();
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->IsInMemory());
    user.AttachFile(TFileMode("a.bas", 0, 1), false, true);
    ASSERT_EQ(user.GetImage(), a);
    EXPECT_EQ(a->UseCount, 1);
    EXPECT_EQ(a->GetRamCount(4), 0);
    EXPECT_EQ(a->GetRamCount(1), 1);
    user.ReleaseImage();
    EXPECT_EQ(a->UseCount, 0);
    EXPECT_EQ(a->GetRamLevel(), 0);
    EXPECT_FALSE(a->IsInMemory());

    // Two users of one image: the one that moves to another file takes its own counts
    // along and leaves the other's.
    TJorpBase keeper(nullptr);
    keeper.AttachFile(TFileMode("a.bas", 0, 1), false, true);
    TJorpBase mover(nullptr);
    mover.AttachFile(TFileMode("a.bas", 2, 4), false, true);
    ASSERT_EQ(mover.GetImage(), a);
    ASSERT_EQ(keeper.GetImage(), a);
    mover.AttachFile(TFileMode("b.bas", 0, 1), false, true);
    EXPECT_NE(mover.GetImage(), a);
    EXPECT_EQ(a->UseCount, 1);
    EXPECT_EQ(a->GetRamCount(1), 1);
    EXPECT_EQ(a->GetRamCount(4), 0);
    EXPECT_EQ(a->GetDiskLevel(), 0);
    // A change of levels, too, moves the counts the image holds for this user.
    EXPECT_TRUE(keeper.ChangeFile(TFileMode("a.bas", 0, 3)));
    EXPECT_EQ(a->GetRamCount(1), 0);
    EXPECT_EQ(a->GetRamLevel(), 3);
}

class TOwner : public TJorpOwner {
public:
    const u32* GetFrameCounter() const override { return &Frame; }
    bool IsHoldSet() const override { return Hold; }
    TJorpProgress* GetProgress() const override { return nullptr; }
    u32 Frame = 41;
    bool Hold = false;
};

TEST(JorpBaseTiming, MarksSwitchObjectsOnAndOff) {
    TOwner owner;
    TJorpBase never(&owner);
    never.PostTick(0xFFFFFFFEU);
    EXPECT_FALSE(never.HasFlags(JOF_TIMED_ON));
    TJorpBase now(&owner);
    now.SetFlags(JOF_START_NOW);
    now.PostTick(0);
    EXPECT_TRUE(now.HasFlags(JOF_TIMED_ON));

    TJorpBase timed(&owner);
    timed.StartMark = 10;
    timed.StopMark = 20;
    const std::pair<u32, bool> steps[] = {{9, false}, {10, true}, {19, true}, {20, false}};
    for (const auto& [tick, on] : steps) {
        tick < 15 ? timed.PostTick(tick) : timed.Tick(tick);
        EXPECT_EQ(timed.HasFlags(JOF_TIMED_ON), on) << tick;
    }
    EXPECT_EQ(timed.GetNextTick(), 42U);
    owner.Hold = true;
    EXPECT_EQ(timed.GetNextTick(), 41U);
    EXPECT_EQ(TJorpBase(nullptr).GetNextTick(), 0U);
}

} // namespace
