// Data catalogues: written by their own writer and read back, lookups, hostile files, the open
// list.
#include "engine/foundation/Det.h"

#include "FileMgrFixture.h"
#include "engine/foundation/DetList.h"
#include "engine/foundation/MiscData.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::string Le16(u16 v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string Le32(u32 v) {
    return Le16(static_cast<u16>(v)) + Le16(static_cast<u16>(v >> 16));
}

const std::string DetHeader("DET \x01\x00\x00\x00\x00\x00\x00\x00", 12);

// One node record as the format lays it out; the children's records are appended as given.
std::string Node(const std::string& name, u32 size, u32 offset, bool directory, i16 count,
                 const std::string& children = "") {
    return Le16(static_cast<u16>(name.size() + 1)) + name + '\0' + Le32(size) + Le32(offset) +
           Le16(directory ? 1 : 0) + Le16(static_cast<u16>(count)) + children;
}

// A chain of directories, levels deep below the root, with one file at the bottom.
std::string Chain(int levels) {
    std::string inner = Node("leaf", 1, 2, false, 0);
    for (int i = 0; i < levels - 1; ++i)
        inner = Node("d\\", 0, 0, true, 1, inner);
    return DetHeader + Node("", 0, 0, true, 1, inner);
}

class Det : public ObjectFileFixture {
protected:
    // The catalogue of the lookups: files at the root, in a directory and deeper, added
    // out of name order so that the writer has to sort them.
    void SaveSample(const std::string& name = "otcraps") {
        TDet det(0, TFileMode(name, 0, 0));
        EXPECT_EQ(det.GetFileMode().Name.GetText(), name + ".det");
        ASSERT_NE(det.AddFile("otcraps.g", 50, 0), nullptr);
        ASSERT_NE(det.AddFile("\\f1glrd00\\f1glrd00.go", 30, 50), nullptr);
        ASSERT_NE(det.AddFile("f1glrd00\\b.skl", 20, 80), nullptr);
        ASSERT_NE(det.AddFile("a\\b\\c\\deep.md", 10, 100), nullptr);
        ASSERT_NE(det.AddFile("F1CRAPS.M", 5, 110), nullptr);
        // The same file twice, and a path without a file, are refused.
        EXPECT_EQ(det.AddFile("otcraps.g", 1, 1), nullptr);
        EXPECT_EQ(det.AddFile("f1glrd00\\", 1, 1), nullptr);
        // A name with capitals, stored as given: it can never be found.
        auto* capital = new TDirEntry(&det);
        capital->SetName("Z1CRAPS.M");
        ASSERT_TRUE(det.GetRoot()->AddChild(capital));
        // A directory stored without its backslash.
        auto* bare = new TDirEntry(&det);
        bare->SetName("bare");
        bare->SetDirectory(true);
        auto* inside = new TDirEntry(&det);
        inside->SetName("x.go");
        ASSERT_TRUE(bare->AddChild(inside));
        ASSERT_TRUE(det.GetRoot()->AddChild(bare));
        ASSERT_TRUE(det.Save(nullptr));
    }
};

TEST_F(Det, WrittenCatalogueFindsItsNamesByPath) {
    SaveSample();
    TDet det(TFileMode("otcraps", 0, 4), true, false);
    ASSERT_TRUE(det.HasFlags(JOF_LOADED));
    EXPECT_EQ(det.GetBytesRead(), static_cast<i32>(Cd.ReadHostFile("otcraps.det").size()));
    EXPECT_EQ(det.GetPackName().GetText(), "otcraps.dew");
    EXPECT_EQ(det.GetImage(), nullptr);

    struct Case {
        const char* name;
        std::optional<std::pair<u32, u32>> found; // size, offset
    };
    const Case cases[] = {
        {"otcraps.g", {{50, 0}}},
        {"\\otcraps.g", {{50, 0}}},
        {"\\f1glrd00\\f1glrd00.go", {{30, 50}}},
        {"F1GLRD00\\F1GLRD00.GO", {{30, 50}}},
        {"d:\\f1glrd00\\b.skl", {{20, 80}}},
        {"  c:\\a\\b\\c\\deep.md ", {{10, 100}}},
        // Added through the builder, which lower-cases as lookups do.
        {"F1CRAPS.M", {{5, 110}}},
        // Files are looked for only where their path leads.
        {"f1glrd00.go", std::nullopt},
        {"\\a\\deep.md", std::nullopt},
        {"\\missing\\otcraps.g", std::nullopt},
        {"otcraps.gx", std::nullopt},
        // Stored with capitals: every lookup is made in lower case.
        {"Z1CRAPS.M", std::nullopt},
        {"z1craps.m", std::nullopt},
        // A directory stored without its backslash cannot be descended into.
        {"bare\\x.go", std::nullopt},
    };
    for (const Case& c : cases) {
        const TDirEntry* node = det.Find(c.name);
        ASSERT_EQ(node != nullptr, c.found.has_value()) << c.name;
        if (node != nullptr) {
            EXPECT_EQ(node->GetSize(), c.found->first) << c.name;
            EXPECT_EQ(node->GetOffset(), c.found->second) << c.name;
            EXPECT_FALSE(node->IsDirectory()) << c.name;
            EXPECT_EQ(node->GetCatalogue(), &det) << c.name;
        }
    }
    // A name that is no path at all is the root.
    EXPECT_EQ(det.Find("\\"), det.GetRoot());
    // The writer stores children in name order.
    std::vector<std::string> names;
    for (i16 i = 0; i < det.GetRoot()->GetChildCount(); ++i)
        names.push_back(det.GetRoot()->GetChild(i)->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Z1CRAPS.M", "a\\", "bare", "f1craps.m",
                                               "f1glrd00\\", "otcraps.g"}));
}

TEST_F(Det, HandMadeBodiesAtTheEdges) {
    struct Case {
        const char* what;
        std::string body;
        bool loads;
        i16 children;
        size_t unread; // bytes at the end of a body that loads that the reader leaves
    };
    const std::string file = Node("x.go", 1, 2, false, 0);
    const Case cases[] = {
        {"child count -1", Node("", 0, 0, true, -1) + file, true, 0, file.size()},
        {"child count 0", Node("", 0, 0, true, 0), true, 0, 0},
        {"root name ignored", Node("anything", 0, 0, true, 1, file), true, 1, 0},
        {"name length 0", Le16(0) + Le32(0) + Le32(0) + Le16(1) + Le16(0), false, 0, 0},
        {"child name length 0", Node("", 0, 0, true, 1, Le16(0)), false, 0, 0},
        // Far more children claimed than the file holds: those present stay.
        {"count past the end", Node("", 0, 0, true, 32767, file + file), false, 2, 0},
        {"name past the end", Le16(40000) + "abc", false, 0, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "edge" + std::to_string(n++);
        Cd.WriteHostFile(name + ".det", DetHeader + c.body);
        TDet det(TFileMode(name, 0, 4), true, false);
        EXPECT_EQ(det.HasFlags(JOF_LOADED), c.loads) << c.what;
        const i32 consumed = c.loads ? static_cast<i32>(12 + c.body.size() - c.unread) : -1;
        EXPECT_EQ(det.GetBytesRead(), consumed) << c.what;
        const i16 count = det.GetRoot() != nullptr ? det.GetRoot()->GetChildCount() : 0;
        EXPECT_EQ(count, c.children) << c.what;
    }
}

TEST_F(Det, EveryTruncationFailsAndKeepsWhatWasRead) {
    SaveSample();
    const std::string bytes = Cd.ReadHostFile("otcraps.det");
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::string name = "cut" + std::to_string(cut);
        Cd.WriteHostFile(name + ".det", bytes.substr(0, cut));
        TDet det(TFileMode(name, 0, 4), true, false);
        EXPECT_EQ(det.GetBytesRead(), -1) << cut;
        EXPECT_FALSE(det.HasFlags(JOF_LOADED)) << cut;
        EXPECT_LE(det.GetReadCursor(), cut) << cut;
    }
    // Cut inside the last child of the root: the ones before it still answer.
    Cd.WriteHostFile("short.det", bytes.substr(0, bytes.size() - 1));
    TDet det(TFileMode("short", 0, 4), true, false);
    EXPECT_NE(det.Find("\\f1glrd00\\b.skl"), nullptr);
    EXPECT_EQ(det.Find("otcraps.g"), nullptr);
}

TEST_F(Det, NestingIsLimited) {
    for (const int levels : {1, DET_MAX_DEPTH, DET_MAX_DEPTH + 1, 1000}) {
        const std::string name = "chain" + std::to_string(levels);
        Cd.WriteHostFile(name + ".det", Chain(levels));
        TDet det(TFileMode(name, 0, 4), true, false);
        EXPECT_EQ(det.HasFlags(JOF_LOADED), levels <= DET_MAX_DEPTH) << levels;
        std::string path;
        for (int i = 0; i < levels - 1; ++i)
            path += "d\\";
        EXPECT_EQ(det.Find(path + "leaf") != nullptr, levels <= DET_MAX_DEPTH) << levels;
    }

    // The writer refuses what the reader would.
    TDet deep(0, TFileMode("deep", 0, 0));
    std::string path;
    for (int i = 0; i < DET_MAX_DEPTH; ++i)
        path += "d\\";
    ASSERT_NE(deep.AddFile(path + "leaf", 1, 0), nullptr);
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(deep.Save(nullptr), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Text, "Base Class\nError Type:\nCouldn't write local data\nAborting");
}

TEST(DirEntry, ChildrenAreAddedAndRemovedInPlace) {
    TDirEntry node(nullptr);
    EXPECT_FALSE(node.AddChild(nullptr));
    for (const char* name : {"a", "b", "c"}) {
        auto* child = new TDirEntry(nullptr);
        child->SetName(name);
        ASSERT_TRUE(node.AddChild(child));
    }
    EXPECT_FALSE(node.RemoveChild(3));
    EXPECT_FALSE(node.RemoveChild(-1));
    EXPECT_TRUE(node.RemoveChild(1));
    ASSERT_EQ(node.GetChildCount(), 2);
    EXPECT_EQ(node.GetChild(0)->GetName(), "a");
    EXPECT_EQ(node.GetChild(1)->GetName(), "c");
    EXPECT_EQ(node.FindChild("b"), nullptr);
    // Without a catalogue there is nothing to read from.
    EXPECT_FALSE(node.Read());
}

TEST(DirEntry, HalvingFindsEveryChildOfALargeNode) {
    TDirEntry node(nullptr);
    // Names in the shared order, enough that the 16-bit bounds of the search are reached.
    for (int i = 0; i < TDirEntry::MAX_CHILDREN; ++i) {
        auto* child = new TDirEntry(nullptr);
        char name[8];
        std::snprintf(name, sizeof name, "%05d", i);
        child->SetName(name);
        ASSERT_TRUE(node.AddChild(child));
    }
    auto* extra = new TDirEntry(nullptr);
    EXPECT_FALSE(node.AddChild(extra));
    delete extra;
    for (int i : {0, 1, 16383, 32765, 32766}) {
        char name[8];
        std::snprintf(name, sizeof name, "%05d", i);
        EXPECT_EQ(node.FindChild(name), node.GetChild(static_cast<i16>(i))) << i;
    }
    EXPECT_EQ(node.FindChild("99999"), nullptr);
}

class DetList : public Det {
protected:
    // A catalogue holding one file at an offset of its own.
    void SaveWith(const std::string& name, const std::string& file, u32 offset, u32 size) {
        TDet det(0, TFileMode(name, 0, 0));
        ASSERT_NE(det.AddFile(file, size, offset), nullptr);
        ASSERT_TRUE(det.Save(nullptr));
    }

    TDetList List;
};

TEST_F(DetList, OpensCountUsersAndClosesNeverGoBelowZero) {
    SaveSample();
    EXPECT_FALSE(List.OpenDet(""));
    EXPECT_FALSE(List.CloseDet("otcraps"));
    ASSERT_TRUE(List.OpenDet("otcraps.det"));
    ASSERT_TRUE(List.OpenDet("OTCRAPS"));
    ASSERT_EQ(List.GetCount(), 1);
    TDet* det = List.FindDet("otcraps");
    ASSERT_NE(det, nullptr);
    EXPECT_EQ(det->GetDetUseCount(), 2);
    // Opened at the level that reads it at once, and let go of its image afterwards.
    EXPECT_EQ(det->GetFileMode().RamLevel, FM_LEVEL_NOW);
    EXPECT_EQ(det->GetImage(), nullptr);
    EXPECT_NE(List.Find("f1glrd00\\b.skl"), nullptr);

    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(List.CloseDet("otcraps"));
    EXPECT_EQ(det->GetDetUseCount(), 0);
    // Closed catalogues keep answering until they are trimmed.
    EXPECT_NE(List.Find("f1glrd00\\b.skl"), nullptr);
    List.RemoveUnused();
    EXPECT_EQ(List.GetCount(), 0);
    EXPECT_EQ(List.Find("f1glrd00\\b.skl"), nullptr);
}

TEST_F(DetList, TheEarlierCatalogueWinsAndTrimmingRemovesOnlyUnused) {
    SaveWith("first", "\\f1\\same.go", 100, 7);
    SaveWith("second", "\\f1\\same.go", 200, 9);
    SaveWith("third", "other.go", 300, 11);
    for (const char* name : {"first", "second", "third"})
        ASSERT_TRUE(List.OpenDet(name));

    TDetEntry entry;
    ASSERT_TRUE(List.Find("\\F1\\SAME.GO", entry));
    EXPECT_EQ(entry.PackName, "first.dew");
    EXPECT_EQ(entry.Offset, 100U);
    EXPECT_EQ(entry.Size, 7U);
    EXPECT_FALSE(List.Find("\\f1\\none.go", entry));

    // Every catalogue in use: nothing goes.
    List.RemoveUnused();
    EXPECT_EQ(List.GetCount(), 3);
    // The first and the last unused: only the second stays, and now answers.
    List.CloseDet("first");
    List.CloseDet("third");
    List.RemoveUnused();
    ASSERT_EQ(List.GetCount(), 1);
    ASSERT_TRUE(List.Find("\\f1\\same.go", entry));
    EXPECT_EQ(entry.PackName, "second.dew");
    EXPECT_EQ(entry.Offset, 200U);
    EXPECT_FALSE(List.Find("other.go", entry));
}

TEST_F(DetList, TheManagerReadsCataloguedFilesFromThePack) {
    // A misc-data file written as usual, then moved into a pack behind some other bytes.
    TMiscData table(0, nullptr, TFileMode("seats", 0, 0));
    ASSERT_TRUE(table.SetLists({{1, 2}, {3}}));
    ASSERT_TRUE(table.Save(nullptr));
    const std::string bytes = Cd.ReadHostFile("seats.md");
    std::filesystem::remove(Cd.Host("seats.md"));
    Dir.WriteHostFile("data/game.dew", std::string(37, 'x') + bytes + "trailing");
    SaveWith("game", "seats.md", 37, static_cast<u32>(bytes.size()));

    // The manager's own catalogue list answers once the catalogue is open.
    ASSERT_TRUE(Manager->OpenDet("game"));
    TMiscData back(nullptr, TFileMode("seats", 0, 4), true, false);
    EXPECT_TRUE(Manager->CloseDet("game"));
    ASSERT_TRUE(back.HasFlags(JOF_LOADED));
    ASSERT_EQ(back.GetListCount(), 2);
    EXPECT_EQ(back.GetList(0)[1], 2);
    EXPECT_EQ(back.GetList(1)[0], 3);
}

} // namespace
