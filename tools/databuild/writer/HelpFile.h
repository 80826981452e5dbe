// The help: topics written as text files in the repository's help/ folder, checked and made
// into the help file the program opens beside itself.
#pragma once

#include "platform/framework/help/HelpFileReader.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

constexpr const char* HELP_FILE_NAME = "otcraps.hlp";
// The topic HELP_CONTENTS opens, and the contexts the program asks for.
constexpr const char* HELP_CONTENTS_KEY = "contents";
constexpr u32 HELP_TABLE_CONTEXT = 3000;
constexpr u32 HELP_GAMBLERS_CONTEXT = 1000;

// One topic's source: its name (the file's stem, what links name) and its text.
//   title: <the topic's title>
//   context: <the id the program asks for>      (optional)
//   <blank line>
//   Paragraphs separated by blank lines; "## " starts a heading, "- " a bullet; a link is
//   [shown text](topic name); a key of the game is written in braces, "{Enter}", and shows as
//   its name. Printable ASCII only.
struct THelpSource {
    std::string Key;
    std::string Text;
};

// The book of the sources, the contents first and the rest in name order. Throws TBuildError
// naming the topic (and line) for a missing title, a bad context, a broken or dangling link,
// a name or context twice, a character outside printable ASCII, a key the game does not have
// (or one named outside braces), or a missing contents topic or context of the program's. The
// keys the sources name go to keysNamed when it is given.
THelpBook CompileHelp(const std::vector<THelpSource>& sources,
                      std::set<std::string>* keysNamed = nullptr);
// The game's own help: compiled as above, and refused unless it names every key of the game.
THelpBook CompileGameHelp(const std::vector<THelpSource>& sources);
// Every "*.txt" of the folder, compiled as the game's help.
THelpBook ReadHelpSources(const std::filesystem::path& folder);
// The help/ folder of the source tree this builder was made from.
std::filesystem::path HelpSourceFolder();
// Where the program finds its help: beside the folder its data folder lies in.
std::filesystem::path HelpFileBeside(const std::filesystem::path& dataFolder);
// Writes the book through a temporary file renamed into place, so a reader never sees half a
// file. Throws TBuildError when it cannot.
void WriteHelpFile(const THelpBook& book, const std::filesystem::path& file);
// The data build's step: the sources compiled and written beside the data folder.
void BuildHelpFile(const std::filesystem::path& dataFolder);
