// The data-file manager's locations, buffer names, directory table, name hash and file location.
#include "engine/foundation/FileMgr.h"

#include "FileMgrFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(FileMgrNames, HashTakesEachByteAsSigned) {
    const std::vector<std::pair<std::string, i16>> cases = {
        {"abc", 283},
        {"f1craps.m", 277},
        {"", 0},
        // 0xE9 is -23 as a signed byte: 2^32 - 23 leaves 73, where 233 would be unsigned.
        {"\xE9", 73},
        {"a\xE9", 171},
    };
    for (const auto& [name, bucket] : cases)
        EXPECT_EQ(TFMFLData::NameHash(name), bucket) << name;
    EXPECT_NE(TFMFLData::NameHash("abc"), TFMFLData::NameHash("ABC"));
}

TEST(FileMgrNames, BufferNamesCountUpThenMoveToTheExtension) {
    TFMHDBufferNames names("c:", "\\");
    EXPECT_EQ(names.GetFullPath(), "c:\\buffer\\");
    EXPECT_EQ(names.NextTempName(), "fm000000.tmp");
    EXPECT_EQ(names.NextTempName(), "fm000001.tmp");
    names.NameCounter = 999999;
    EXPECT_EQ(names.NextTempName(), "fm999999.tmp");
    EXPECT_EQ(names.NextTempName(), "fm000000.001");
    EXPECT_EQ(names.NextTempName(), "fm000001.001");
    names.NameCounter = 7;
    names.ExtensionCounter = 123;
    EXPECT_EQ(names.NextTempName(), "fm000007.123");
}

TEST(FileMgrNames, DirectoryTable) {
    TFMData data;
    EXPECT_EQ(data.GetEntry(126), "\\");
    data.SetEntry(3, "sprites");
    data.SetEntry(4, "c:\\modes\\");
    data.SetEntry(5, "");
    data.SetEntry(127, "lost");
    data.SetEntry(-1, "lost");
    EXPECT_EQ(data.GetEntry(3), "sprites\\");
    EXPECT_EQ(data.GetEntry(4), "c:\\modes\\");
    EXPECT_EQ(data.GetEntry(5), "");
    EXPECT_EQ(data.GetEntry(127), "");
    EXPECT_EQ(data.GetEntry(-1), "");
}

TEST(FileMgrNames, DriveRoomIsSixtyFourBitsAndNeverNegative) {
    SetDiskFreeOverride(0x100100000ULL); // 4 GB and 1 MB: a 32-bit figure would say 1 MB
    TFMDiskData disk(3);
    EXPECT_EQ(disk.GetRoom(), 0x100100000ULL);
    disk.AddWritten(0x100000);
    EXPECT_EQ(disk.GetRoom(), 0x100000000ULL);

    SetDiskFreeOverride(100);
    disk.Measure();
    EXPECT_EQ(disk.WrittenMark, 0x100000U);
    disk.AddWritten(150);
    EXPECT_EQ(disk.GetRoom(), 0U);
    disk.SubWritten(1000); // copies deleted since the measurement give room back
    EXPECT_EQ(disk.GetRoom(), 100U + 850U);
    disk.SubWritten(0xFFFFFFFF);
    EXPECT_EQ(disk.Written, 0U);
    SetDiskFreeOverride(std::nullopt);
}

using FileMgrLocate = FileMgrFixture;

TEST_F(FileMgrLocate, TakesItsLocationsAndSwitchFromTheSettings) {
    Settings.SetCDDrive("d:\\");
    Settings.SetCDDir("games");
    Settings.Buffering = 0x10000; // only the low 16 bits count
    TJorpFileMgr& mgr = MakeManager();
    EXPECT_EQ(mgr.GetDataNames().GetFullPath(), "c:\\data\\");
    EXPECT_EQ(mgr.GetBufferNames().GetFullPath(), "c:\\buffer\\");
    EXPECT_EQ(mgr.GetCDNames().GetFullPath(), "d:\\games\\");
    EXPECT_EQ(mgr.GetDiskData().Drive, 3);
    EXPECT_FALSE(mgr.IsBuffering());

    mgr.ToggleHDBuffering();
    EXPECT_EQ(Settings.Buffering, 1);

    // The CD location goes back to the settings, to be saved with them.
    Settings.SetCDDrive("e:");
    Settings.SetCDDir("\\other");
    DeleteManager();
    EXPECT_EQ(Settings.GetCDDrive(), "d:");
    EXPECT_EQ(Settings.GetCDDir(), "\\games");
}

TEST_F(FileMgrLocate, FindsPlainFilesInTheDataFolderOrOnTheCD) {
    TTempDir cd('d');
    Settings.SetCDDrive("d:");
    Settings.SetCDDir("\\");
    WriteData("tables\\felt.bmp", 7);
    cd.WriteHostFile("dice.bmp", "12345");
    TJorpFileMgr& mgr = MakeManager();
    ASSERT_FALSE(mgr.Locate(nullptr, "x"));

    TJorpBaseFile onDisk, onCD, nowhere;
    ASSERT_TRUE(mgr.Locate(&onDisk, "tables\\felt.bmp"));
    EXPECT_EQ(onDisk.Name, "tables\\felt.bmp");
    EXPECT_EQ(onDisk.SourcePath, "c:\\data\\tables\\felt.bmp");
    EXPECT_EQ(onDisk.Size, 7U);
    EXPECT_EQ(onDisk.Offset, 0U);
    EXPECT_TRUE(onDisk.MayBuffer());
    EXPECT_EQ(onDisk.BufferPath, "c:\\buffer\\fm000000.tmp");

    ASSERT_TRUE(mgr.Locate(&onCD, "dice.bmp"));
    EXPECT_EQ(onCD.SourcePath, "d:\\dice.bmp");
    EXPECT_EQ(onCD.Size, 5U);
    EXPECT_EQ(onCD.BufferPath, "c:\\buffer\\fm000001.tmp");

    ASSERT_TRUE(mgr.Locate(&nowhere, "gone.bmp"));
    EXPECT_EQ(nowhere.SourcePath, "d:\\gone.bmp");
    EXPECT_EQ(nowhere.Size, 0U);
    EXPECT_EQ(nowhere.BufferPath, "c:\\buffer\\fm000002.tmp");
    EXPECT_FALSE(nowhere.HasBufferCopy());
}

TEST_F(FileMgrLocate, CataloguedFilesComeFromTheirPack) {
    TTempDir cd('d');
    Settings.SetCDDrive("d:");
    WriteData("otcraps.dew", 100);
    cd.WriteHostFile("cdonly.dew", std::string(50, 'p'));
    cd.WriteHostFile("both.bmp", "plain file on the cd");
    TFakeCatalogues catalogues;
    catalogues.Entries = {
        {"both.bmp", {"otcraps.dew", 10, 20}},
        {"cd.bmp", {"cdonly.dew", 5, 6}},
        {"lost.bmp", {"nopack.dew", 1, 2}},
    };
    TJorpFileMgr& mgr = MakeManager();
    mgr.SetCatalogues(&catalogues);

    TJorpBaseFile both, fromCD, lost;
    mgr.Locate(&both, "both.bmp");
    EXPECT_EQ(both.SourcePath, "c:\\data\\otcraps.dew");
    EXPECT_EQ(both.Offset, 10U);
    EXPECT_EQ(both.Size, 20U);
    EXPECT_FALSE(both.MayBuffer());

    mgr.Locate(&fromCD, "cd.bmp");
    EXPECT_EQ(fromCD.SourcePath, "d:\\cdonly.dew");
    EXPECT_EQ(fromCD.Offset, 5U);
    EXPECT_EQ(fromCD.Size, 6U);
    EXPECT_TRUE(fromCD.MayBuffer());

    // The pack is nowhere: the plain file on the CD is tried.
    cd.WriteHostFile("lost.bmp", "xyz");
    mgr.Locate(&lost, "lost.bmp");
    EXPECT_EQ(lost.SourcePath, "d:\\lost.bmp");
    EXPECT_EQ(lost.Offset, 0U);
    EXPECT_EQ(lost.Size, 3U);

    mgr.PurgeLowClasses();
    EXPECT_EQ(catalogues.RemoveCalls, 1);
}

} // namespace
