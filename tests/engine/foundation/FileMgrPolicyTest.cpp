// When images come into memory, get buffer copies and are purged; the CD prompt and fatal ending.
#include "engine/foundation/FileMgr.h"

#include "FileMgrFixture.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

using FileMgrPolicy = FileMgrFixture;

TEST_F(FileMgrPolicy, LevelFourLoadsAtOnceAndLevelZeroLetsGo) {
    MakeFolders();
    WriteData("a.bmp", 6, 'a');
    WriteData("empty.bmp", 0);
    MakeManager();
    // A zero-byte file is an empty image, not a failure.
    TMessageBoxRecorder boxes;
    TJorpBaseFile* empty = Register({"empty.bmp", 0, 4});
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->IsInMemory());
    EXPECT_EQ(empty->Size, 0U);
    EXPECT_TRUE(boxes.Boxes.empty());
    Media.CursorCalls.clear();

    const TFileMode mode{"a.bmp", 0, 4};
    Manager->GetData().FrameMark = 17;
    TJorpBaseFile* image = Register(mode);
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(image->IsInMemory());
    EXPECT_EQ(ImageBytes(*image), "aaaaaa");
    EXPECT_EQ(JorpRamInUse, 6U);
    EXPECT_EQ(Media.CursorCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(Manager->GetData().ActivityMark, 17U);

    Release(image);
    EXPECT_FALSE(image->IsInMemory());
    EXPECT_EQ(JorpRamInUse, 0U);
    EXPECT_EQ(image->UseCount, 0);

    // Unused images stay listed until a mode changes.
    TFileList& bucket = Manager->GetFileTable().GetBucket(TFMFLData::NameHash("a.bmp"));
    EXPECT_EQ(bucket.GetCount(), 1);
    Manager->PurgeAllClasses();
    EXPECT_EQ(bucket.GetCount(), 0);
}

TEST_F(FileMgrPolicy, AMissingFileIsPromptedForThreeTimesThenEndsTheProgram) {
    MakeFolders();
    MakeManager();
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    int code = 0;
    try {
        Register({"gone.bmp", 0, 4});
    } catch (const TProcessExit& exit) {
        code = exit.Code;
    }
    EXPECT_EQ(code, 1);
    ASSERT_EQ(boxes.Boxes.size(), 4U);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.Boxes[i].Text,
                  "Couldn't find CDRom File: c:\\gone.bmp\n - Please Insert Disk");
        EXPECT_EQ(boxes.Boxes[i].Caption, "CD Rom Error");
        EXPECT_EQ(boxes.Boxes[i].Flags, 0x1010U);
        EXPECT_EQ(boxes.Boxes[i].Owner, nullptr);
    }
    EXPECT_EQ(boxes.Boxes[3].Text, "Couldn't find file: c:\\gone.bmp");
    EXPECT_EQ(boxes.Boxes[3].Caption, "Error - File Mgr");
    EXPECT_EQ(boxes.Boxes[3].Flags, MB_OK);
    EXPECT_FALSE(Media.CursorShown);
    EXPECT_EQ(JorpRamInUse, 0U);
}

// Puts the CD in when the prompt asks for it.
class TInsertsTheDisk : public TMessageBoxPresenter {
public:
    explicit TInsertsTheDisk(TTempDir& cd) : CD(cd) { SetMessageBoxPresenter(this); }
    ~TInsertsTheDisk() override { SetMessageBoxPresenter(nullptr); }
    int Show(const TMessageBoxRequest& request) override {
        ++Shown;
        if (request.Caption == "CD Rom Error")
            CD.WriteHostFile("late.bmp", "arrived");
        return IDOK;
    }
    TTempDir& CD;
    int Shown = 0;
};

TEST_F(FileMgrPolicy, AFileThatArrivesAfterThePromptIsReadWhole) {
    TTempDir cd('d');
    Settings.SetCDDrive("d:");
    MakeFolders();
    MakeManager();
    TInsertsTheDisk disk(cd);
    TJorpBaseFile* image = Register({"late.bmp", 0, 4});
    EXPECT_EQ(disk.Shown, 1);
    ASSERT_TRUE(image->IsInMemory());
    EXPECT_EQ(ImageBytes(*image), "arrived");
}

TEST_F(FileMgrPolicy, LowerClassesGoFirstAndLevelFourNever) {
    MakeFolders();
    for (const char* name : {"z.bmp", "y.bmp", "x.bmp", "n1.bmp", "n2.bmp", "n3.bmp"})
        WriteData(name, 100);
    MakeManager();
    // A file wanted on disk now stays in memory at class 0 after its copy is made.
    TJorpBaseFile* z = Register({"z.bmp", 4, 0});
    TFileMode yMode{"y.bmp", 0, 1}, xMode{"x.bmp", 0, 2};
    TJorpBaseFile* y = LoadAtClass(yMode, 1);
    TJorpBaseFile* x = LoadAtClass(xMode, 2);
    ASSERT_TRUE(z->IsInMemory());
    ASSERT_EQ(JorpRamInUse, 300U);

    TJorpMemMgr::OverrideBudget(250);
    Manager->IdleStep(30);
    EXPECT_FALSE(z->IsInMemory());
    EXPECT_TRUE(z->HasBufferCopy());
    EXPECT_TRUE(y->IsInMemory());
    EXPECT_TRUE(x->IsInMemory());

    // Loading a file needed now makes room from the lowest classes it can.
    TJorpBaseFile* n1 = Register({"n1.bmp", 0, 4});
    EXPECT_FALSE(y->IsInMemory());
    EXPECT_TRUE(x->IsInMemory());
    TJorpBaseFile* n2 = Register({"n2.bmp", 0, 4});
    EXPECT_FALSE(x->IsInMemory());

    // Nothing purgeable is left: the budget gives way to a file needed now.
    TJorpBaseFile* n3 = Register({"n3.bmp", 0, 4});
    ASSERT_NE(n3, nullptr);
    for (TJorpBaseFile* n : {n1, n2, n3})
        EXPECT_TRUE(n->IsInMemory());
    EXPECT_EQ(JorpRamInUse, 300U);

    Manager->Compact(0, true);
    u32 freed = 0;
    EXPECT_FALSE(Manager->GetFileTable().Purge(5, 0xFFFFFFFF, freed));
    for (TJorpBaseFile* n : {n1, n2, n3})
        EXPECT_TRUE(n->IsInMemory());
    EXPECT_EQ(JorpRamInUse, 300U);
}

TEST_F(FileMgrPolicy, APurgedFileIsCopiedBeforeItsMemoryGoes) {
    TTempDir cd('d');
    Settings.SetCDDrive("d:");
    MakeFolders();
    cd.WriteHostFile("cd.bmp", "from the cd");
    MakeManager();
    TFileMode mode{"cd.bmp", 1, 4};
    TJorpBaseFile* image = LoadAtClass(mode, 2);
    ASSERT_FALSE(image->HasBufferCopy());

    Manager->PurgeAllClasses();
    EXPECT_FALSE(image->IsInMemory());
    ASSERT_TRUE(image->HasBufferCopy());
    EXPECT_EQ(Dir.ReadHostFile("buffer/fm000000.tmp"), "from the cd");

    // Not while sound plays.
    Change(image, 0, 4);
    Change(image, 1, 2);
    ASSERT_FALSE(image->HasBufferCopy());
    Media.Playing = true;
    Manager->PurgeAllClasses();
    EXPECT_FALSE(image->IsInMemory());
    EXPECT_FALSE(image->HasBufferCopy());
}

TEST_F(FileMgrPolicy, PurgesResumeWhereTheyStopped) {
    MakeFolders();
    // Three names in three different buckets, in bucket order.
    std::vector<std::string> names;
    for (int i = 0; names.size() < 3; ++i) {
        const std::string name = "f" + std::to_string(i) + ".bmp";
        if (std::none_of(names.begin(), names.end(), [&](const std::string& other) {
                return TFMFLData::NameHash(other) == TFMFLData::NameHash(name);
            }))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return TFMFLData::NameHash(a) < TFMFLData::NameHash(b);
    });
    for (const std::string& name : names)
        WriteData(name, 10);
    for (const char* name : {"p1.bmp", "p2.bmp", "p3.bmp"})
        WriteData(name, 10);
    MakeManager();
    TFMFLData& table = Manager->GetFileTable();

    // The private list: inserted at the head, so p3 comes first.
    std::vector<TFileMode> privateModes = {
        {"p1.bmp", 0, 1, FM_PRIVATE}, {"p2.bmp", 0, 1, FM_PRIVATE}, {"p3.bmp", 0, 1, FM_PRIVATE}};
    std::vector<TJorpBaseFile*> own;
    for (TFileMode& mode : privateModes)
        own.push_back(LoadAtClass(mode, 1));
    // Each purge asks for one byte: it frees one image of class 1.
    const auto purgeOne = [&] {
        u32 freed = 0;
        EXPECT_TRUE(table.Purge(2, 1, freed));
        return freed;
    };
    purgeOne();
    EXPECT_FALSE(own[2]->IsInMemory());
    Change(own[2], 0, 4);
    Change(own[2], 0, 1);
    ASSERT_TRUE(own[2]->IsInMemory());
    purgeOne();
    EXPECT_TRUE(own[2]->IsInMemory());
    EXPECT_FALSE(own[1]->IsInMemory());
    purgeOne();
    EXPECT_FALSE(own[0]->IsInMemory());
    purgeOne();
    EXPECT_FALSE(own[2]->IsInMemory());

    // The buckets: the walk starts at the cursor, stays on the bucket it freed, and wraps.
    std::vector<TJorpBaseFile*> shared;
    for (const std::string& name : names) {
        TFileMode mode{name.c_str(), 0, 1};
        shared.push_back(LoadAtClass(mode, 1));
    }
    table.MemoryCursor = static_cast<i16>(TFMFLData::NameHash(names[0]) + 1);
    for (int expected : {1, 2, 0}) {
        EXPECT_EQ(purgeOne(), 10U);
        EXPECT_FALSE(shared[expected]->IsInMemory()) << expected;
        EXPECT_EQ(table.MemoryCursor, TFMFLData::NameHash(names[expected]));
    }
}

TEST_F(FileMgrPolicy, WavesArePurgedAfterTheImagesOfEachClass) {
    MakeManager();
    TFMFLData& table = Manager->GetFileTable();
    Media.WaveBytes = 50;
    Media.WavePriority = 1;
    u32 freed = 0;
    EXPECT_FALSE(table.Purge(1, 40, freed));
    EXPECT_EQ(Media.WavePurges, (std::vector<u8>{0}));
    EXPECT_TRUE(table.Purge(3, 40, freed));
    EXPECT_EQ(Media.WavePurges, (std::vector<u8>{0, 0, 1}));
    EXPECT_EQ(freed, 50U);

    // An amount of everything frees everything asked for and then reports running out.
    freed = 0;
    EXPECT_FALSE(table.Purge(4, 0xFFFFFFFF, freed));
}

TEST_F(FileMgrPolicy, ALowMemoryNoticeWaitsForTheNextFrameAndTrimsOnlyTheExcess) {
    MakeFolders();
    std::vector<TFileMode> modes = {{"a.bmp", 0, 1}, {"b.bmp", 0, 1}, {"c.bmp", 0, 1}};
    for (const TFileMode& mode : modes)
        WriteData(mode.Name.GetText(), 100);
    MakeManager();
    std::vector<TJorpBaseFile*> images;
    for (TFileMode& mode : modes)
        images.push_back(LoadAtClass(mode, 1));
    ASSERT_EQ(JorpRamInUse, 300U);

    TJorpMemMgr::OverrideBudget(1000);
    Manager->Compact(0, false);
    EXPECT_TRUE(JorpPurgePending);
    Manager->IdleStep(7);
    EXPECT_FALSE(JorpPurgePending);
    EXPECT_EQ(JorpRamInUse, 300U);

    TJorpMemMgr::OverrideBudget(250);
    Manager->Compact(0, false);
    EXPECT_EQ(JorpRamInUse, 300U);
    Manager->IdleStep(7);
    EXPECT_EQ(JorpRamInUse, 200U);
    EXPECT_FALSE(JorpPurgePending);

    // Every 30th frame checks the budget without a notice.
    TJorpMemMgr::OverrideBudget(150);
    Manager->IdleStep(7);
    EXPECT_EQ(JorpRamInUse, 200U);
    Manager->IdleStep(60);
    EXPECT_EQ(JorpRamInUse, 100U);

    Manager->Compact(0, true);
    EXPECT_EQ(JorpRamInUse, 0U);
}

TEST_F(FileMgrPolicy, ModeChangesPurgeTheirClassesAndDropUnusedImages) {
    MakeFolders();
    for (const char* name : {"c1.bmp", "c2.bmp", "c3.bmp", "c4.bmp", "unused.bmp"})
        WriteData(name, 10);
    MakeManager();
    TFileMode m1{"c1.bmp", 0, 1}, m2{"c2.bmp", 0, 2}, m3{"c3.bmp", 0, 3};
    TJorpBaseFile* c1 = LoadAtClass(m1, 1);
    TJorpBaseFile* c2 = LoadAtClass(m2, 2);
    TJorpBaseFile* c3 = LoadAtClass(m3, 3);
    TJorpBaseFile* c4 = Register({"c4.bmp", 0, 4});
    const TFileMode unusedMode{"unused.bmp", 0, 3};
    Release(Register(unusedMode));
    TFileList& unusedBucket = Manager->GetFileTable().GetBucket(TFMFLData::NameHash("unused.bmp"));
    ASSERT_EQ(unusedBucket.GetCount(), 1);
    // Private images, unused ones at both ends of the list.
    const TFileMode own{"c1.bmp", 0, 1, FM_PRIVATE};
    Release(Register(own));
    TJorpBaseFile* kept = Register(own);
    Release(Register(own));
    TFileList& privateList = Manager->GetFileTable().GetPrivateList();
    ASSERT_EQ(privateList.GetCount(), 3);

    Manager->PurgeLowClasses();
    EXPECT_EQ(unusedBucket.GetCount(), 0);
    ASSERT_EQ(privateList.GetCount(), 1);
    EXPECT_EQ(privateList.GetAt(0), kept);
    EXPECT_FALSE(c1->IsInMemory());
    EXPECT_TRUE(c2->IsInMemory());
    EXPECT_TRUE(c3->IsInMemory());

    Manager->PurgeAllClasses();
    EXPECT_FALSE(c2->IsInMemory());
    EXPECT_FALSE(c3->IsInMemory());
    EXPECT_TRUE(c4->IsInMemory());
    EXPECT_EQ(JorpRamInUse, 10U);

    DeleteManager();
    EXPECT_EQ(JorpRamInUse, 0U);
}

TEST_F(FileMgrPolicy, CopiesAtLevelFourWhateverTheSwitchAndBelowOnlyWithIt) {
    TTempDir cd('d');
    Settings.SetCDDrive("d:");
    Settings.Buffering = 0;
    MakeFolders();
    cd.WriteHostFile("now.bmp", "copied at once");
    cd.WriteHostFile("later.bmp", "copied when memory goes");
    MakeManager();

    TJorpBaseFile* now = Register({"now.bmp", 4, 4});
    ASSERT_TRUE(now->HasBufferCopy());
    EXPECT_EQ(Dir.ReadHostFile("buffer/fm000000.tmp"), "copied at once");
    EXPECT_EQ(Manager->GetDiskData().Written, now->Size);

    TFileMode laterMode{"later.bmp", 2, 4};
    TJorpBaseFile* later = Register(laterMode);
    Change(later, 2, 0);
    EXPECT_FALSE(later->IsInMemory());
    EXPECT_FALSE(later->HasBufferCopy());

    Manager->SetHDBuffering(true);
    Change(later, 2, 4);
    Media.Playing = true; // not while sound plays
    Change(later, 2, 0);
    EXPECT_FALSE(later->HasBufferCopy());
    EXPECT_FALSE(Manager->IdleAction());

    Media.Playing = false;
    EXPECT_TRUE(Manager->IdleAction());
    Change(later, 2, 4);
    Change(later, 2, 0);
    ASSERT_TRUE(later->HasBufferCopy());
    EXPECT_FALSE(later->IsInMemory());
    EXPECT_EQ(Dir.ReadHostFile("buffer/" + later->BufferPath.substr(10)),
              "copied when memory goes");

    // Read back from the copy once the CD is gone.
    std::filesystem::remove(cd.Host("later.bmp"));
    Change(later, 2, 4);
    ASSERT_TRUE(later->IsInMemory());
    EXPECT_EQ(ImageBytes(*later), "copied when memory goes");

    // Disk level 0 deletes the copy.
    Change(later, 0, 0);
    EXPECT_FALSE(later->HasBufferCopy());
    EXPECT_EQ(Manager->GetDiskData().Written, now->Size);

    DeleteManager();
    EXPECT_EQ(JorpRamInUse, 0U);
    EXPECT_TRUE(std::filesystem::is_empty(Dir.Host("buffer")));
}

TEST_F(FileMgrPolicy, NoCopyIsNoFailure) {
    TTempDir cd('d');
    Settings.SetCDDrive("d:");
    cd.WriteHostFile("a.bmp", "aaaa");
    cd.WriteHostFile("b.bmp", "bbbb");
    TMessageBoxRecorder boxes;

    // No buffer folder: nothing is buffered, and the files are read from their sources.
    MakeFolders(false);
    MakeManager();
    EXPECT_FALSE(Manager->HasBufferFolder());
    TJorpBaseFile* a = Register({"a.bmp", 4, 4});
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->IsInMemory());
    EXPECT_FALSE(a->HasBufferCopy());
    TJorpBaseFile* b = Register({"b.bmp", 4, 0});
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->IsInMemory());
    DeleteManager();

    // The folder is there but the copy cannot be written.
    MakeFolders();
    std::filesystem::create_directories(Dir.Host("buffer/fm000000.tmp"));
    MakeManager();
    a = Register({"a.bmp", 4, 4});
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->IsInMemory());
    EXPECT_FALSE(a->HasBufferCopy());

    // Too little room on the drive.
    SetDiskFreeOverride(FM_MIN_BUFFER_ROOM);
    Manager->IdleStep(6);
    b = Register({"b.bmp", 4, 4});
    EXPECT_FALSE(b->HasBufferCopy());
    EXPECT_TRUE(boxes.Boxes.empty());
    EXPECT_EQ(Manager->GetDiskData().Written, 0U);
}

TEST_F(FileMgrPolicy, ADriveRunningShortLosesCopiesBelowLevelFour) {
    MakeFolders();
    for (const char* name : {"a.bmp", "b.bmp", "keep.bmp"})
        WriteData(name, 1000);
    MakeManager();
    TJorpBaseFile* keep = Register({"keep.bmp", 4, 4});
    std::vector<TFileMode> modes = {{"a.bmp", 2, 4}, {"b.bmp", 2, 4}};
    std::vector<TJorpBaseFile*> images;
    for (TFileMode& mode : modes) {
        images.push_back(Register(mode));
        Change(images.back(), 2, 0);
        ASSERT_TRUE(images.back()->HasBufferCopy());
    }

    SetDiskFreeOverride(FM_MIN_BUFFER_ROOM);
    Manager->IdleStep(6);
    const int left = images[0]->HasBufferCopy() + images[1]->HasBufferCopy();
    EXPECT_EQ(left, 1);
    // Between measurements the room counts the copy deleted.
    Manager->IdleStep(7);
    EXPECT_EQ(images[0]->HasBufferCopy() + images[1]->HasBufferCopy(), 1);
    Manager->IdleStep(12);
    EXPECT_FALSE(images[0]->HasBufferCopy() || images[1]->HasBufferCopy());
    Manager->IdleStep(18);
    EXPECT_TRUE(keep->HasBufferCopy());
    EXPECT_EQ(Manager->GetDiskData().Written, 1000U);
}

} // namespace
