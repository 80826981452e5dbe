// Tests of TJorpFileName's splitting and rebuilding of DOS paths.
#include "engine/foundation/FileName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TSplitCase {
    std::string Path;
    std::string Drive;
    std::string Directory;
    std::string Name;
    std::string Extension;
};

TEST(FileNameTest, SplitTakesPathsApart) {
    const TSplitCase cases[] = {
        {R"(  C:\Games\Dice\DATA.BMP  )", "c:", R"(\games\dice\)", "data", ".bmp"},
        {R"(data\x.bmp)", "", R"(\data\)", "x", ".bmp"},
        {R"(c:x.bmp)", "c:", R"(\)", "x", ".bmp"},
        {"c:", "c:", R"(\)", "", ""},
        {R"(\x.bmp)", "", "", "x", ".bmp"},
        {"x.bmp", "", "", "x", ".bmp"},
        {"", "", "", "", ""},
        {"   ", "", "", "", ""},
        {R"(c:\games\..)", "c:", R"(\games\..\)", "", ""},
        {R"(c:\games\.)", "c:", R"(\games\.\)", "", ""},
        {".bmp", "", "", "", ".bmp"},
        {R"(c:\games\)", "c:", R"(\games\)", "", ""},
        {R"(\\\data\\\x)", "", R"(\data\)", "x", ""},
        {R"(c:\v1.2\readme)", "c:", R"(\v1.2\)", "readme", ""},
        {"archive.tar.gz", "", "", "archive.tar", ".gz"},
        // A forward slash separates but is not a backslash: it is neither stripped nor added.
        {"a/b/x.txt", "", R"(\a/b/\)", "x", ".txt"},
        {R"(\:x)", R"(\:)", R"(\)", "x", ""},
    };
    for (const TSplitCase& c : cases) {
        std::string drive = "?", directory = "?", name = "?", extension = "?";
        TJorpFileName::Split(c.Path, drive, directory, name, extension);
        EXPECT_EQ(drive, c.Drive) << c.Path;
        EXPECT_EQ(directory, c.Directory) << c.Path;
        EXPECT_EQ(name, c.Name) << c.Path;
        EXPECT_EQ(extension, c.Extension) << c.Path;
    }
}

TEST(FileNameTest, SplitReadsOnlyTheFirst260CharactersAndCutsEachPartTo255) {
    std::string drive, directory, name, extension;
    // c:\ + 200 + \ leaves 56 characters of the name before the cut; the extension is lost.
    TJorpFileName::Split("c:\\" + std::string(200, 'd') + "\\" + std::string(100, 'n') + ".ext",
                         drive, directory, name, extension);
    EXPECT_EQ(drive, "c:");
    EXPECT_EQ(directory, "\\" + std::string(200, 'd') + "\\");
    EXPECT_EQ(name, std::string(56, 'n'));
    EXPECT_EQ(extension, "");

    TJorpFileName::Split("c:\\" + std::string(257, 'n'), drive, directory, name, extension);
    EXPECT_EQ(name, std::string(255, 'n'));
    TJorpFileName::Split("x." + std::string(258, 'e'), drive, directory, name, extension);
    EXPECT_EQ(extension, "." + std::string(254, 'e'));
    // The raw directory \ddd...\ of 259 characters loses its closing backslash to the cut.
    TJorpFileName::Split("\\" + std::string(257, 'd') + "\\x", drive, directory, name, extension);
    EXPECT_EQ(directory, "\\" + std::string(254, 'd') + "\\");
    EXPECT_EQ(name, "x");
}

TEST(FileNameTest, EditsRebuildTheNormalisedName) {
    enum TOp { Ext, Path, Drive, Append, AppendDir, PrependDir, Rebase, Name, NameExt };
    using TName = TJorpFileName;
    void (*const Edits[])(TName&, const std::string&) = {
        [](TName& f, const std::string& a) { f.SetExtension(a); },
        [](TName& f, const std::string& a) { f.SetPathFrom(a); },
        [](TName& f, const std::string& a) { f.SetDriveFrom(a); },
        [](TName& f, const std::string& a) { f.Append(a); },
        [](TName& f, const std::string& a) { f.AppendDirectory(a); },
        [](TName& f, const std::string& a) { f.PrependDirectory(a); },
        [](TName& f, const std::string& a) { f.Rebase(a); },
        [](TName& f, const std::string& a) { f.SetName(a); },
        [](TName& f, const std::string& a) { f.SetNameExtFrom(a); },
    };
    const struct {
        TOp Op;
        std::string Start, Argument, Expected;
    } cases[] = {
        {Name, "DATA.BMP", "x", "x.bmp"},
        {NameExt, R"( Data\X.Bmp )", "x.bmp", R"(\data\x.bmp)"},
        {Ext, R"(c:\games\data.txt)", "bmp", R"(c:\games\data.bmp)"},
        {Ext, R"(c:\games\data.txt)", ".bmp", R"(c:\games\data.bmp)"},
        {Ext, R"(c:\games\data.txt)", "any.bmp", R"(c:\games\data.bmp)"},
        {Ext, R"(c:\games\data.txt)", " BMP ", R"(c:\games\data.bmp)"},
        {Ext, R"(c:\games\data.txt)", "", R"(c:\games\data)"},
        {Ext, R"(C:\Games\Data)", "wav", R"(c:\games\data.wav)"},
        {Ext, "data.txt", R"(v1.2\readme)", "data"},
        {Path, R"(d:\old\x.bmp)", R"(c:\games)", R"(c:\games\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", R"(c:\games\)", R"(c:\games\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", R"(c:\games\ver1.2)", R"(c:\games\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", R"(c:\games\ver1.2\)", R"(c:\games\ver1.2\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", R"(\data)", R"(d:\data\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", "games", R"(d:\games\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", "c:", R"(c:\x.bmp)"},
        {Path, R"(d:\old\x.bmp)", "", "d:x.bmp"},
        {Path, "x.bmp", R"(Data\Sub)", R"(\data\sub\x.bmp)"},
        {Drive, R"(c:\games\x.bmp)", R"(d:\other\y.txt)", R"(d:\games\x.bmp)"},
        {Drive, R"(c:\games\x.bmp)", R"(Data\x)", R"(d:\games\x.bmp)"},
        {Drive, R"(c:\games\x.bmp)", "E:", R"(e:\games\x.bmp)"},
        {Drive, "x.bmp", "c:", "c:x.bmp"},
        // Without a letter nothing changes, not even the case.
        {Drive, R"(C:\Games\X.BMP)", "", R"(C:\Games\X.BMP)"},
        {Append, R"(c:\games\old.txt)", R"(data\x.bmp)", R"(c:\games\data\x.bmp)"},
        {Append, "", R"(data\x.bmp)", R"(data\x.bmp)"},
        {Append, R"(c:\games\)", R"(\data\x.bmp)", R"(c:\games\data\x.bmp)"},
        {Append, R"(c:\games\old.txt)", "x.bmp", R"(c:\games\x.bmp)"},
        {Append, R"(C:\Games\old.txt)", R"(d:\Sub\X)", R"(c:\games\sub\x)"},
        {AppendDir, R"(c:\data\x.bmp)", R"(\\more)", R"(c:\data\more\x.bmp)"},
        {AppendDir, R"(c:\data\x.bmp)", R"(Sub\Deep\)", R"(c:\data\sub\deep\x.bmp)"},
        {AppendDir, "x.bmp", R"(c:\games)", R"(c:\games\x.bmp)"},
        {AppendDir, R"(c:\data\x.bmp)", "", R"(c:\data\x.bmp)"},
        {PrependDir, R"(c:\data\x.bmp)", R"(\\more)", R"(c:\more\data\x.bmp)"},
        {PrependDir, R"(\data\x.bmp)", R"(Sub\Deep\)", R"(\sub\deep\data\x.bmp)"},
        {PrependDir, "x.bmp", R"(c:\games)", R"(c:\games\x.bmp)"},
        {PrependDir, R"(d:\data\x.bmp)", R"(c:\games\)", R"(c:\games\data\x.bmp)"},
        {PrependDir, "c:x.bmp", "d:", R"(d:\x.bmp)"},
        // Rebase takes the base as written and drops the name's own drive.
        {Rebase, R"(d:\data\x.bmp)", R"(C:\Games\\)", R"(C:\Games\data\x.bmp)"},
        {Rebase, R"(c:\data\x.bmp)", R"(\\more)", R"(\\more\data\x.bmp)"},
        {Rebase, "x.bmp", R"(c:\games)", R"(c:\games\x.bmp)"},
        {Rebase, "c:x.bmp", "d:", R"(d:\x.bmp)"},
    };
    for (const auto& c : cases) {
        TJorpFileName fileName(c.Start);
        Edits[c.Op](fileName, c.Argument);
        EXPECT_EQ(fileName.GetText(), c.Expected) << c.Op << ": " << c.Start << " / " << c.Argument;
    }
    // Construction keeps the text as given.
    EXPECT_EQ(TJorpFileName("DATA.BMP").GetText(), "DATA.BMP");
}

TEST(FileNameTest, ClearAndGetParts) {
    struct TCase {
        std::string Path;
        u32 Mask;
        std::string Cleared;
        std::string Got;
    };
    const TCase cases[] = {
        {R"(c:\games\x.bmp)", 15, "", R"(c:\games\xbmp)"},
        {R"(c:\games\x.bmp)", FN_DIRECTORY, "c:x.bmp", R"(\games\)"},
        {R"(C:\Games\X.bmp)", FN_DRIVE, R"(\games\x.bmp)", "c:"},
        {R"(c:\games\x.bmp)", FN_NAME | FN_EXTENSION, R"(c:\games\)", "xbmp"},
        {"readme.txt", FN_NAME | FN_EXTENSION, "", "readmetxt"},
        {"readme.txt", 0, "readme.txt", ""},
    };
    for (const TCase& c : cases) {
        TJorpFileName fileName(c.Path);
        EXPECT_EQ(fileName.GetParts(c.Mask), c.Got) << c.Path << " / " << c.Mask;
        fileName.ClearParts(c.Mask);
        EXPECT_EQ(fileName.GetText(), c.Cleared) << c.Path << " / " << c.Mask;
    }
}

TEST(FileNameTest, DriveLetterAndNumber) {
    struct TCase {
        std::string Path;
        char Letter;
        int Number;
    };
    const TCase cases[] = {
        {"d", 'd', 4},          {"D:", 'd', 4},       {R"(Data\x)", 'D', 4},
        {R"(\data)", '\\', -1}, {"", 0, -1},          {R"(a:\x)", 'a', 1},
        {"Z:", 'z', 26},        {R"(1:\x)", '1', -1}, {R"(  E:\x  )", 'e', 5},
    };
    for (const TCase& c : cases) {
        const TJorpFileName fileName(c.Path);
        EXPECT_EQ(fileName.GetDriveLetter(), c.Letter) << c.Path;
        EXPECT_EQ(fileName.GetDriveNumber(), c.Number) << c.Path;
    }
}

TEST(FileNameTest, GetLastDirName) {
    struct TCase {
        std::string Path;
        std::string Plain;
        std::string WithBackslash;
    };
    const TCase cases[] = {
        {R"(c:\games\dice\x.bmp)", "dice", R"(dice\)"},
        {R"(data\x)", "data", R"(data\)"},
        {"x.bmp", "", ""},
        {"c:x.bmp", "", R"(\)"},
    };
    for (const TCase& c : cases) {
        const TJorpFileName fileName(c.Path);
        EXPECT_EQ(fileName.GetLastDirName(), c.Plain) << c.Path;
        EXPECT_EQ(fileName.GetLastDirName(true), c.WithBackslash) << c.Path;
    }
}

TEST(FileNameTest, SplitFirstDirWalksOneDirectoryAtATime) {
    struct TCase {
        std::string Path;
        bool Result;
        std::string First;
        std::string Rest;
    };
    const TCase cases[] = {
        {R"(C:\Games\Dice\X.bmp)", true, R"(games\)", R"(dice\x.bmp)"},
        {R"(\data\)", true, R"(data\)", ""},
        {"x.bmp", false, "", "x.bmp"},
        {"c:x.bmp", false, "", "x.bmp"},
        {"", false, "", ""},
    };
    for (const TCase& c : cases) {
        std::string first = "?", rest = "?";
        EXPECT_EQ(TJorpFileName(c.Path).SplitFirstDir(first, rest), c.Result) << c.Path;
        EXPECT_EQ(first, c.First) << c.Path;
        EXPECT_EQ(rest, c.Rest) << c.Path;
    }
}

TEST(FileNameTest, IsWithinAndMakeRelativeTo) {
    struct TCase {
        std::string Path;
        std::string Base;
        bool Within;
        std::string Relative; // the name after MakeRelativeTo
    };
    const TCase cases[] = {
        {R"(c:\games\data\x.bmp)", R"(c:\games\)", true, R"(\data\x.bmp)"},
        {R"(c:\games\data\x.bmp)", R"(c:\games\any.txt)", true, R"(\data\x.bmp)"},
        {R"(c:\games\data\x.bmp)", R"(C:\GAMES\Data\)", true, "x.bmp"},
        {R"(c:\games\data\x.bmp)", R"(c:\)", true, R"(\games\data\x.bmp)"},
        {R"(c:\games\x.bmp)", R"(c:\games\)", true, "x.bmp"},
        {R"(c:\games\v1.2\x.bmp)", R"(c:\games\)", true, R"(\v1.2\x.bmp)"},
        // Without a closing backslash the base's last component is a file name, not compared.
        {R"(c:\gamesx\y.bmp)", R"(c:\games)", true, R"(\gamesx\y.bmp)"},
        {R"(data\sub\x.bmp)", R"(data\)", true, R"(\sub\x.bmp)"},
        {R"(C:\Games\Data\X.BMP)", R"(d:\games\)", false, R"(C:\Games\Data\X.BMP)"},
        {R"(c:\games\data\x.bmp)", R"(c:\games\data\sub\)", false, R"(c:\games\data\x.bmp)"},
        {R"(c:\gamesx\y.bmp)", R"(c:\games\)", false, R"(c:\gamesx\y.bmp)"},
        {R"(\games\x.bmp)", R"(c:\games\)", false, R"(\games\x.bmp)"},
    };
    for (const TCase& c : cases) {
        TJorpFileName fileName(c.Path);
        EXPECT_EQ(fileName.IsWithin(c.Base), c.Within) << c.Path << " / " << c.Base;
        EXPECT_EQ(fileName.MakeRelativeTo(c.Base), c.Within) << c.Path << " / " << c.Base;
        EXPECT_EQ(fileName.GetText(), c.Relative) << c.Path << " / " << c.Base;
    }
}

} // namespace
