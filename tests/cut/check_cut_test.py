# Feeds scripts/check-cut small trees holding one breach each and expects it named by file and line.
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = os.environ.get(
    "OTCRAPS_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", "..")
)
CHECK = os.path.join(SOURCE_DIR, "scripts", "check-cut")
TEMP_PARENT = os.environ.get("OTCRAPS_TEST_TMP") or None
CMAKE = os.environ.get("OTCRAPS_CMAKE", "cmake")

# Two libraries, the lower one linked by the upper and a test linking only the lower.
CMAKE_LISTS = """# A tree of two libraries and a test, one folder each as in the project.
cmake_minimum_required(VERSION 3.25)
project(cuttree LANGUAGES CXX)
add_subdirectory(low)
add_subdirectory(high)
add_subdirectory(tests)
include(cmake/Cut.cmake)
"""
LIBRARY_LISTS = """# The {0} library.
add_library({0} STATIC {1}.cpp)
target_include_directories({0} PUBLIC ${{PROJECT_SOURCE_DIR}})
"""
TEST_LISTS = """# The lower library's test.
add_executable(low_tests low/LowTest.cpp)
target_include_directories(low_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(low_tests PRIVATE low)
"""

CLEAN_TREE = {
    "CMakeLists.txt": CMAKE_LISTS,
    "low/CMakeLists.txt": LIBRARY_LISTS.format("low", "Low"),
    "high/CMakeLists.txt": LIBRARY_LISTS.format("high", "High")
    + "target_link_libraries(high PUBLIC low)\n",
    "tests/CMakeLists.txt": TEST_LISTS,
    ".clang-format": None,  # copied from the project
    "cmake/Cut.cmake": None,
    "low/Low.h": "// The lower library.\n#pragma once\n\nint Low();\n",
    "low/Low.cpp": '// The lower library.\n#include "low/Low.h"\n\nint Low() {\n    return 1;\n}\n',
    "high/High.h": '// The upper library.\n#pragma once\n#include "low/Low.h"\n\nint High();\n',
    "high/High.cpp": (
        '// The upper library.\n#include "high/High.h"\n\n#include <cstdio>\n\n'
        "int High() {\n    // Neither exit(1) nor \"time(0)\" here calls anything.\n"
        "    return Low() + rtl::rand() + Clock.time();\n}\n"
    ),
    "tests/low/LowSupport.h": (
        '// What the lower library\'s tests share.\n#pragma once\n#include "low/Low.h"\n'
    ),
    "tests/low/LowTest.cpp": (
        '// The lower library\'s test.\n#include "low/LowSupport.h"\n\n'
        "int main() {\n    return Low() == 1 ? 0 : 1;\n}\n"
    ),
    "platform/Files.cpp": (
        "// The platform layer may open host files.\n#include <cstdio>\n\n"
        'FILE* Open(const char* name) {\n    return std::fopen(name, "rb");\n}\n'
    ),
    "scripts/run": "#!/usr/bin/env bash\n# Runs the tree.\nexit 0\n",
}


class CutTree(unittest.TestCase):
    def setUp(self):
        if TEMP_PARENT:
            os.makedirs(TEMP_PARENT, exist_ok=True)
        self.root = tempfile.mkdtemp(prefix="check-cut-", dir=TEMP_PARENT)
        self.addCleanup(shutil.rmtree, self.root)
        for path, text in CLEAN_TREE.items():
            if text is None:
                os.makedirs(os.path.dirname(os.path.join(self.root, path)), exist_ok=True)
                shutil.copy(os.path.join(SOURCE_DIR, path), os.path.join(self.root, path))
            else:
                self.write(path, text)

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)

    def edit(self, path, old, new):
        full = os.path.join(self.root, path)
        with open(full, encoding="utf-8") as f:
            text = f.read()
        self.assertIn(old, text)
        self.write(path, text.replace(old, new, 1))

    def run_check(self, *checks):
        build = os.path.join(self.root, "build")
        args = [sys.executable, CHECK, "--root", self.root, "--build-dir", build, *checks]
        if "includes" in checks:
            configure = subprocess.run(
                [CMAKE, "-S", self.root, "-B", build], capture_output=True, text=True
            )
            self.assertEqual(configure.returncode, 0, configure.stdout + configure.stderr)
        p = subprocess.run(args, capture_output=True, text=True)
        return p.returncode, p.stdout.splitlines()

    def assert_refused(self, check, expected):
        code, lines = self.run_check(check)
        self.assertEqual(code, 1, lines)
        self.assertEqual(len(lines), len(expected), lines)
        for line, (where, words) in zip(lines, expected):
            self.assertTrue(line.startswith(where + ": "), line)
            self.assertIn(words, line)



class CleanTreeTest(CutTree):
    def test_clean_tree_passes_every_check(self):
        code, lines = self.run_check("includes", "banned", "format", "headers")
        self.assertEqual((code, lines), (0, []))


class IncludesTest(CutTree):
    def test_library_including_one_it_does_not_link_is_refused(self):
        self.edit("low/Low.cpp", "#include", '#include "high/High.h"\n#include')
        self.assert_refused("includes", [("low/Low.cpp:2", "low does not link high")])

    def test_header_answers_to_its_library_even_when_nothing_includes_it(self):
        self.write("low/Orphan.h", '// Unused.\n#pragma once\n#include "high/High.h"\n')
        self.assert_refused("includes", [("low/Orphan.h:3", "belongs to high")])

    def test_test_support_header_answers_to_the_test_that_includes_it(self):
        self.edit("tests/low/LowSupport.h", '#include "low/Low.h"\n', '#include "high/High.h"\n')
        self.assert_refused(
            "includes", [("tests/low/LowSupport.h:3", "low_tests does not link high")]
        )

    def test_linking_makes_the_include_allowed(self):
        self.edit("tests/low/LowSupport.h", '#include "low/Low.h"\n', '#include "high/High.h"\n')
        self.edit("tests/CMakeLists.txt", "PRIVATE low)", "PRIVATE high)")
        self.assertEqual(self.run_check("includes"), (0, []))


class BannedTest(CutTree):
    def test_each_host_call_in_the_game_is_refused(self):
        cases = [
            ("int Seed() {\n    return rand();\n}\n", "calls rand()"),
            ("void Seed() {\n    std::srand(1);\n}\n", "calls srand()"),
            ("long Now() {\n    return ::time(nullptr);\n}\n", "calls time()"),
            ("void Quit() {\n    std::exit(1);\n}\n", "calls exit()"),
            ('const char* Home() {\n    return getenv("HOME");\n}\n', "calls getenv()"),
            ('void* Open() {\n    return fopen("x", "r");\n}\n', "calls fopen()"),
            ("void Keep(\n    FILE* file);\n", "uses FILE*"),
            ("void Read(\n    std::ifstream& in);\n", "uses std::ifstream"),
            ('void Run() {\n    std::system("ls");\n}\n', "calls system()"),
            ("void Stop() {\n    abort();\n}\n", "calls abort()"),
            ("unsigned Seed(\n    std::random_device& device);\n", "uses std::random_device"),
            ("auto Now() {\n    return std::chrono::system_clock::now();\n}\n",
             "uses std::chrono::system_clock"),
            ('bool Has() {\n    return std::filesystem::exists("x");\n}\n',
             "uses std::filesystem"),
        ]
        for body, words in cases:
            with self.subTest(words):
                self.write("high/Host.cpp", "// A breach.\n" + body)
                self.assert_refused("banned", [("high/Host.cpp:3", words)])

    def test_backend_headers_in_the_game_are_refused(self):
        for header in ("SDL2/SDL.h", "ft2build.h", "png.h", "fluidsynth.h", "fstream", "filesystem"):
            with self.subTest(header):
                self.write("high/Host.cpp", f"// A breach.\n\n#include <{header}>\n")
                self.assert_refused("banned", [("high/Host.cpp:3", f"includes <{header}>")])

    def test_a_file_not_yet_added_is_checked_and_an_ignored_one_is_not(self):
        def git(*words):
            subprocess.run(["git", *words], cwd=self.root, check=True, capture_output=True)

        git("init", "-q")
        self.write(".gitignore", "/scratch/\n")
        git("add", "-A")
        breach = '// A breach.\nvoid Run() {\n    std::system("ls");\n}\n'
        self.write("high/New.cpp", breach)
        self.write("scratch/Old.cpp", breach)
        self.assert_refused("banned", [("high/New.cpp:3", "calls system()")])

    def test_tools_and_tests_may_call_the_host(self):
        body = '// Host calls.\n#include <fstream>\nvoid Go() {\n    std::exit(rand());\n}\n'
        self.write("tools/gen/Gen.cpp", body)
        self.write("tests/low/Files.cpp", body)
        self.assertEqual(self.run_check("banned"), (0, []))


class TimeoutsTest(CutTree):
    def listed(self, limit):
        """A configured tree of one test, with the given time limit or none."""
        self.write("tests/CMakeLists.txt", TEST_LISTS + "enable_testing()\n"
                   "add_test(NAME low_tests COMMAND low_tests)\n" + (
                       f"set_tests_properties(low_tests PROPERTIES TIMEOUT {limit})\n"
                       if limit else ""))
        self.edit("CMakeLists.txt", "add_subdirectory(low)", "enable_testing()\nadd_subdirectory(low)")
        build = os.path.join(self.root, "build")
        configure = subprocess.run(
            [CMAKE, "-S", self.root, "-B", build], capture_output=True, text=True
        )
        self.assertEqual(configure.returncode, 0, configure.stdout + configure.stderr)

    def test_a_test_without_a_time_limit_is_refused(self):
        self.listed(None)
        self.assert_refused("timeouts", [("low_tests", "has no TIMEOUT")])

    def test_a_test_with_a_time_limit_passes(self):
        self.listed(60)
        self.assertEqual(self.run_check("timeouts"), (0, []))


class UnchangedTest(CutTree):
    def test_a_tracked_file_changed_after_the_record_is_named(self):
        def git(*words):
            subprocess.run(["git", *words], cwd=self.root, check=True, capture_output=True)

        git("init", "-q")
        git("add", "-A")
        git("-c", "user.name=t", "-c", "user.email=t@t", "commit", "-qm", "tree")
        # A change made before the run is the developer's own and is not the suite's.
        self.edit("low/Low.h", "int Low();", "int Low(); // edited")
        record = os.path.join(self.root, "build-record.json")
        args = [sys.executable, CHECK, "--root", self.root, "--record-tree", record]
        self.assertEqual(subprocess.run(args, capture_output=True).returncode, 0)
        self.write("untracked.txt", "made by a test\n")
        code, lines = self.run_check_with_record(record)
        self.assertEqual((code, lines), (0, []))
        self.edit("high/High.cpp", "return Low()", "return 2 * Low()")
        code, lines = self.run_check_with_record(record)
        self.assertEqual(code, 1, lines)
        self.assertEqual(len(lines), 1, lines)
        self.assertTrue(lines[0].startswith("high/High.cpp: changed since"), lines)
        # A file the developer had changed, changed again by the suite, counts too.
        self.edit("high/High.cpp", "return 2 * Low()", "return Low()")
        self.assertEqual(self.run_check_with_record(record), (0, []))
        self.edit("low/Low.h", "// edited", "// edited twice")
        code, lines = self.run_check_with_record(record)
        self.assertEqual(code, 1, lines)

    def run_check_with_record(self, record):
        args = [sys.executable, CHECK, "--root", self.root, "--tree-record", record, "unchanged"]
        p = subprocess.run(args, capture_output=True, text=True)
        return p.returncode, p.stdout.splitlines()


class FormatTest(CutTree):
    def test_misformatted_line_is_refused(self):
        self.edit("low/Low.cpp", "return 1;", "return   1 ;")
        self.assert_refused("format", [("low/Low.cpp:5", "clang-format")])


class HeadersTest(CutTree):
    def test_source_without_its_opening_comment_is_refused(self):
        self.edit("high/High.h", "// The upper library.\n", "#pragma once // The upper library.\n")
        self.assert_refused("headers", [("high/High.h:1", "one-line '// ...' comment")])

    def test_script_without_a_comment_after_the_shebang_is_refused(self):
        self.edit("scripts/run", "# Runs the tree.\n", "\n")
        self.assert_refused("headers", [("scripts/run:2", "one-line '# ...' comment")])

    def test_build_file_without_its_comment_is_refused(self):
        self.edit("high/CMakeLists.txt", "# The high library.\n", "")
        self.assert_refused("headers", [("high/CMakeLists.txt:1", "one-line '# ...' comment")])


if __name__ == "__main__":
    unittest.main()
