// The help sources: their markup read into topics, the checks, and the help file written.
#include "tools/databuild/writer/HelpFile.h"

#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/writer/HelpFileKeys.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

struct TPendingLink {
    std::size_t Topic;
    std::size_t Block;
    std::size_t Span;
    std::string Target;
    std::string Where;
};

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Text with its links cut into spans; link targets are kept by name until every topic is known.
void AddSpans(const std::string& text, THelpBlock& block, std::vector<std::string>& targets,
              const std::string& where) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('[', pos);
        if (open == std::string::npos) {
            block.Spans.push_back({text.substr(pos), -1});
            targets.emplace_back();
            return;
        }
        const std::size_t close = text.find("](", open);
        const std::size_t end = close == std::string::npos ? close : text.find(')', close);
        if (close == std::string::npos || end == std::string::npos ||
            text.find('[', open + 1) < close)
            throw TBuildError(where, "a link without its \"](topic)\"");
        if (open > pos) {
            block.Spans.push_back({text.substr(pos, open - pos), -1});
            targets.emplace_back();
        }
        const std::string shown = text.substr(open + 1, close - open - 1);
        const std::string target = text.substr(close + 2, end - close - 2);
        if (shown.empty() || target.empty())
            throw TBuildError(where, "a link without text or topic");
        block.Spans.push_back({shown, -1});
        targets.push_back(target);
        pos = end + 1;
    }
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The words of a text, in order.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ' ') {
        if (IsWordChar(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// Key names that mean nothing but a key: the help writes them as keys, in braces.
bool IsPlainKeyName(const std::string& word) {
    static const char* const Names[] = {"Esc", "Escape", "Tab", "Ctrl", "Alt", "Shift"};
    if (word.size() >= 2 && word[0] == 'F' &&
        std::all_of(word.begin() + 1, word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return true;
    return std::any_of(std::begin(Names), std::end(Names),
                       [&word](const char* name) { return word == name; });
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return text;
}

// The text with each "{key}" shown as the key's name. A key the game does not answer is refused,
// and so is a key named outside braces, where no check would see it: a key's name, or a single
// character or number right after "key" or "keys".
std::string ShowKeys(const std::string& text, const std::string& where,
                     std::set<std::string>& named) {
    std::string shown;
    std::string outside;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('{', pos);
        const std::size_t close = open == std::string::npos ? open : text.find('}', open);
        if (text.find('}', pos) < open)
            throw TBuildError(where, "a \"}\" without its \"{\"");
        if (open == std::string::npos) {
            shown += text.substr(pos);
            outside += text.substr(pos);
            break;
        }
        if (close == std::string::npos || text.find('{', open + 1) < close)
            throw TBuildError(where, "a key without its closing \"}\"");
        const std::string key = text.substr(open + 1, close - open - 1);
        if (!IsGameKey(key))
            throw TBuildError(where, "names the key \"" + key + "\", which the game does not have");
        named.insert(key);
        shown += text.substr(pos, open - pos) + key;
        outside += text.substr(pos, open - pos) + '|';
        pos = close + 1;
    }
    for (const std::string& word : Words(outside))
        if (IsPlainKeyName(word))
            throw TBuildError(where, "names the key \"" + word + "\" outside \"{...}\"");
    // A single character or a number right after "key" or "keys" is a key too.
    const std::string lower = Lower(outside);
    for (const char* key : {"key ", "keys "})
        for (std::size_t at = lower.find(key); at != std::string::npos;
             at = lower.find(key, at + 1)) {
            if (at > 0 && IsWordChar(lower[at - 1]))
                continue;
            std::size_t from = at + std::string(key).size();
            while (from < outside.size() && outside[from] == ' ')
                ++from;
            std::size_t to = from;
            while (to < outside.size() && IsWordChar(outside[to]))
                ++to;
            const std::string word = outside.substr(from, to - from);
            const bool digits = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
                return c >= '0' && c <= '9';
            });
            if (word.size() == 1 || digits)
                throw TBuildError(where, "names the key \"" + word + "\" outside \"{...}\"");
        }
    return shown;
}

THelpTopic ParseTopic(const THelpSource& source, std::vector<std::vector<std::string>>& targets,
                      std::set<std::string>& keys) {
    THelpTopic topic;
    topic.Key = source.Key;
    std::istringstream in(source.Text);
    std::string line;
    int number = 0;
    bool inHeader = true;
    bool contextSeen = false;
    THelpBlock block;
    std::string text;
    std::string blockWhere;
    auto flush = [&] {
        if (text.empty())
            return;
        targets.emplace_back();
        AddSpans(ShowKeys(text, blockWhere, keys), block, targets.back(), blockWhere);
        topic.Blocks.push_back(std::move(block));
        block = THelpBlock{};
        text.clear();
    };
    while (std::getline(in, line)) {
        ++number;
        const std::string where = source.Key + ".txt:" + std::to_string(number);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        for (char c : line)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
                throw TBuildError(where, "a character outside printable ASCII");
        if (inHeader) {
            if (Trim(line).empty()) {
                inHeader = false;
                continue;
            }
            const auto colon = line.find(':');
            const std::string name = colon == std::string::npos ? "" : line.substr(0, colon);
            const std::string value =
                colon == std::string::npos ? "" : Trim(line.substr(colon + 1));
            if (name == "title" && !value.empty()) {
                topic.Title = value;
            } else if (name == "context" && !contextSeen) {
                const bool digits = !value.empty() && value.size() <= 9 &&
                                    std::all_of(value.begin(), value.end(),
                                                [](char c) { return c >= '0' && c <= '9'; });
                if (!digits || std::stoul(value) == 0)
                    throw TBuildError(where, "a context that is not a number above 0");
                topic.Context = static_cast<u32>(std::stoul(value));
                contextSeen = true;
            } else {
                throw TBuildError(where, "a header line other than one title and one context");
            }
            continue;
        }
        const std::string trimmed = Trim(line);
        if (trimmed.empty()) {
            flush();
        } else if (line.rfind("## ", 0) == 0) {
            flush();
            blockWhere = where;
            block.Kind = THelpBlockKind::Heading;
            text = Trim(line.substr(3));
            flush();
        } else if (line.rfind("- ", 0) == 0) {
            flush();
            blockWhere = where;
            block.Kind = THelpBlockKind::Bullet;
            text = Trim(line.substr(2));
        } else {
            if (text.empty()) {
                blockWhere = where;
                block.Kind = THelpBlockKind::Paragraph;
            } else {
                text += ' ';
            }
            text += trimmed;
        }
    }
    flush();
    if (topic.Title.empty())
        throw TBuildError(source.Key + ".txt", "no title");
    if (topic.Blocks.empty())
        throw TBuildError(source.Key + ".txt", "no text");
    return topic;
}

} // namespace

THelpBook CompileHelp(const std::vector<THelpSource>& sources, std::set<std::string>* keysNamed) {
    std::set<std::string> keys;
    std::vector<const THelpSource*> order;
    for (const THelpSource& source : sources)
        order.push_back(&source);
    std::sort(order.begin(), order.end(), [](const THelpSource* a, const THelpSource* b) {
        const bool aFirst = a->Key == HELP_CONTENTS_KEY;
        const bool bFirst = b->Key == HELP_CONTENTS_KEY;
        return aFirst != bFirst ? aFirst : a->Key < b->Key;
    });
    if (order.empty() || order.front()->Key != HELP_CONTENTS_KEY)
        throw TBuildError(std::string(HELP_CONTENTS_KEY) + ".txt", "missing");

    THelpBook book;
    std::map<std::string, i32> index;
    std::map<u32, std::string> contexts;
    // Per topic, per block, the target of each span ("" for plain text).
    std::vector<std::vector<std::vector<std::string>>> targets;
    for (const THelpSource* source : order) {
        const bool goodName =
            !source->Key.empty() && std::all_of(source->Key.begin(), source->Key.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
            });
        if (!goodName)
            throw TBuildError(source->Key + ".txt", "a topic name outside [a-z0-9-]");
        if (!index.emplace(source->Key, static_cast<i32>(book.Topics.size())).second)
            throw TBuildError(source->Key + ".txt", "a topic name twice");
        targets.emplace_back();
        book.Topics.push_back(ParseTopic(*source, targets.back(), keys));
        const u32 context = book.Topics.back().Context;
        if (context != 0 && !contexts.emplace(context, source->Key).second)
            throw TBuildError(source->Key + ".txt",
                              "context " + std::to_string(context) + " twice");
    }
    for (std::size_t t = 0; t < book.Topics.size(); ++t)
        for (std::size_t b = 0; b < book.Topics[t].Blocks.size(); ++b)
            for (std::size_t s = 0; s < book.Topics[t].Blocks[b].Spans.size(); ++s) {
                const std::string& target = targets[t][b][s];
                if (target.empty())
                    continue;
                const auto found = index.find(target);
                if (found == index.end())
                    throw TBuildError(book.Topics[t].Key + ".txt",
                                      "a link to no topic \"" + target + "\"");
                book.Topics[t].Blocks[b].Spans[s].Link = found->second;
            }
    for (u32 context : {HELP_TABLE_CONTEXT, HELP_GAMBLERS_CONTEXT})
        if (book.FindContext(context) < 0)
            throw TBuildError("help", "no topic for context " + std::to_string(context));
    if (keysNamed != nullptr)
        *keysNamed = std::move(keys);
    return book;
}

THelpBook CompileGameHelp(const std::vector<THelpSource>& sources) {
    std::set<std::string> named;
    THelpBook book = CompileHelp(sources, &named);
    for (const THelpKey& key : GameKeys())
        if (named.count(key.Name) == 0)
            throw TBuildError("help",
                              "names nowhere the key \"" + key.Name + "\" (" + key.Does + ")");
    return book;
}

THelpBook ReadHelpSources(const std::filesystem::path& folder) {
    std::vector<THelpSource> sources;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".txt")
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        if (!file)
            throw TBuildError(entry.path().filename().string(), "cannot be read");
        sources.push_back({entry.path().stem().string(), text.str()});
    }
    if (ec)
        throw TBuildError(folder.string(), "cannot be read: " + ec.message());
    return CompileGameHelp(sources);
}

std::filesystem::path HelpSourceFolder() {
    return OTCRAPS_HELP_DIR;
}

std::filesystem::path HelpFileBeside(const std::filesystem::path& dataFolder) {
    std::filesystem::path data = std::filesystem::absolute(dataFolder).lexically_normal();
    if (!data.has_filename())
        data = data.parent_path();
    return data.parent_path() / HELP_FILE_NAME;
}

void WriteHelpFile(const THelpBook& book, const std::filesystem::path& file) {
    std::string error;
    const std::vector<u8> bytes = EncodeHelpFile(book, &error);
    if (bytes.empty())
        throw TBuildError(HELP_FILE_NAME, error);
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw TBuildError(HELP_FILE_NAME, "cannot be written to " + temporary.string());
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw TBuildError(HELP_FILE_NAME, "cannot be put in place at " + file.string());
    }
}

void BuildHelpFile(const std::filesystem::path& dataFolder) {
    WriteHelpFile(ReadHelpSources(HelpSourceFolder()), HelpFileBeside(dataFolder));
}
