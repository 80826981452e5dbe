// Reading scripts of input for the headless backend and queueing them on its clock.
#include "HeadlessScript.h"

#include "platform/framework/window/Desktop.h"
#include "platform/host/Log.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>

namespace {

// A script is a few hundred lines; anything near this is not one.
constexpr std::uintmax_t MaxScriptBytes = 1 << 20;
// About eleven days of clock time: far past any run, far below overflow when added to.
constexpr u64 MaxTimeMs = 1'000'000'000;
constexpr i64 MaxCoordinate = 32767;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A whole word as a number in [low, high], decimal or with a 0x prefix.
bool Number(std::string_view word, i64 low, i64 high, i64& value) {
    int base = 10;
    bool negative = false;
    if (!word.empty() && word.front() == '-') {
        negative = true;
        word.remove_prefix(1);
    }
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    u64 magnitude = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), magnitude, base);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size() ||
        magnitude > static_cast<u64>(INT64_MAX))
        return false;
    value = negative ? -static_cast<i64>(magnitude) : static_cast<i64>(magnitude);
    return value >= low && value <= high;
}

// One line's step; false with the reason when it is not one.
bool ParseStep(std::string_view line, THeadlessStep& step, std::string& why) {
    const std::vector<std::string_view> w = Words(line);
    i64 time = 0;
    if (!Number(w[0], 0, static_cast<i64>(MaxTimeMs), time)) {
        why = "the time is not a number of milliseconds";
        return false;
    }
    step.Time = static_cast<u64>(time);
    if (w.size() < 2) {
        why = "no verb after the time";
        return false;
    }
    const std::string_view verb = w[1];
    const size_t args = w.size() - 2;
    const auto point = [&](THeadlessVerb v) {
        i64 x = 0, y = 0;
        if (args != 2 || !Number(w[2], -MaxCoordinate, MaxCoordinate, x) ||
            !Number(w[3], -MaxCoordinate, MaxCoordinate, y)) {
            why = std::string(verb) + " takes two coordinates";
            return false;
        }
        step.Verb = v;
        step.Pos = {static_cast<i32>(x), static_cast<i32>(y)};
        return true;
    };
    if (verb == "click")
        return point(THeadlessVerb::Click);
    if (verb == "move")
        return point(THeadlessVerb::Move);
    if (verb == "wheel") {
        i64 x = 0, y = 0, notches = 0;
        if (args != 3 || !Number(w[2], -MaxCoordinate, MaxCoordinate, x) ||
            !Number(w[3], -MaxCoordinate, MaxCoordinate, y) || !Number(w[4], -100, 100, notches) ||
            notches == 0) {
            why = "wheel takes two coordinates and the notches, -100..100 and not 0";
            return false;
        }
        step.Verb = THeadlessVerb::Wheel;
        step.Pos = {static_cast<i32>(x), static_cast<i32>(y)};
        step.Notches = static_cast<i32>(notches);
        return true;
    }
    if (verb == "key") {
        i64 vk = 0, ch = 0;
        if (args < 1 || args > 2 || !Number(w[2], 1, 255, vk) ||
            (args == 2 && !Number(w[3], 0, 255, ch))) {
            why = "key takes a key code 1..255 and a character code 0..255";
            return false;
        }
        step.Verb = THeadlessVerb::Key;
        step.VirtualKey = static_cast<u32>(vk);
        step.Char = static_cast<u32>(ch);
        return true;
    }
    if (verb == "type") {
        if (args != 1 || w[2].size() != 1 || w[2][0] < '!' || w[2][0] > '~') {
            why = "type takes one printable character";
            return false;
        }
        step.Verb = THeadlessVerb::Type;
        step.Char = static_cast<u8>(w[2][0]);
        return true;
    }
    if (verb == "shot") {
        // The path is the rest of the line, so it may hold spaces.
        std::string_view path = line.substr(static_cast<size_t>(w[1].data() - line.data()) + 4);
        while (!path.empty() && (path.front() == ' ' || path.front() == '\t'))
            path.remove_prefix(1);
        if (args == 0 || path.find('\0') != std::string_view::npos) {
            why = "shot takes the path of a PNG file";
            return false;
        }
        step.Verb = THeadlessVerb::Shot;
        step.Path = std::string(path);
        return true;
    }
    if (verb == "close") {
        if (args != 0) {
            why = "close takes nothing";
            return false;
        }
        step.Verb = THeadlessVerb::Close;
        return true;
    }
    why = "unknown verb";
    return false;
}

} // namespace

bool ParseHeadlessScript(std::string_view text, std::vector<THeadlessStep>& steps,
                         std::string& error) {
    std::vector<THeadlessStep> parsed;
    u32 number = 0;
    while (!text.empty()) {
        ++number;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (const size_t hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty())
            continue;
        THeadlessStep step;
        step.Line = number;
        std::string why;
        if (!ParseStep(line, step, why)) {
            // Only the start of a bad line is quoted, and only what prints.
            std::string shown;
            for (char c : line.substr(0, 40))
                shown += (c >= ' ' && c <= '~') ? c : '?';
            error = "line " + std::to_string(number) + ": " + why + " (\"" + shown + "\")";
            return false;
        }
        parsed.push_back(std::move(step));
    }
    steps = std::move(parsed);
    return true;
}

void QueueHeadlessQuit(THeadlessBackend& backend) {
    // An action queued now runs after the input the actions of this time have queued.
    backend.At(backend.Now(), [] {
        TDesktop& desktop = TDesktop::Get();
        desktop.NoteQuitSignal();
        desktop.RequestClose();
    });
}

void ScheduleHeadlessScript(THeadlessBackend& backend, const std::vector<THeadlessStep>& steps) {
    THeadlessBackend* b = &backend;
    // Each step is an action at its time that puts its input at the clock's time then, so
    // steps at one time keep their order, and the backend's own modifiers stamp them.
    const auto close = [b] {
        TInputEvent event;
        event.Kind = TInputKind::Close;
        b->At(b->Now(), event);
    };
    u64 last = b->Now();
    for (const THeadlessStep& step : steps) {
        last = std::max(last, step.Time);
        switch (step.Verb) {
        case THeadlessVerb::Click:
            b->At(step.Time, [b, p = step.Pos] {
                b->MouseMove(p);
                b->Click(p);
            });
            break;
        case THeadlessVerb::Move:
            b->At(step.Time, [b, p = step.Pos] { b->MouseMove(p); });
            break;
        case THeadlessVerb::Wheel:
            b->At(step.Time, [b, p = step.Pos, n = step.Notches] {
                b->MouseMove(p);
                b->Wheel(p, n);
            });
            break;
        case THeadlessVerb::Key:
            b->At(step.Time, [b, vk = step.VirtualKey, ch = step.Char] { b->Key(vk, ch); });
            break;
        case THeadlessVerb::Type:
            b->At(step.Time, [b, ch = step.Char] { b->Type(static_cast<char>(ch)); });
            break;
        case THeadlessVerb::Shot:
            b->At(step.Time, [b, path = step.Path, line = step.Line] {
                if (b->SaveScreenshot(path))
                    return;
                // Appended: GCC 12 warns falsely (-Wrestrict) about a literal put in front of
                // a temporary string.
                std::string text = "script line ";
                text += std::to_string(line);
                text += ": cannot write ";
                text += path;
                LogError(text);
            });
            break;
        case THeadlessVerb::Close:
            b->At(step.Time, close);
            break;
        }
    }
    // A close can be asked about and refused; the end of a script cannot, or the run would
    // wait on a question nobody is left to answer.
    b->At(last, [b] { QueueHeadlessQuit(*b); });
}

bool LoadHeadlessScript(THeadlessBackend& backend, const std::string& hostPath,
                        std::string& error) {
    std::ifstream in(hostPath, std::ios::binary);
    if (!in) {
        error = hostPath + ": cannot be read";
        return false;
    }
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof(buffer)) || in.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(in.gcount()));
        if (text.size() > MaxScriptBytes) {
            error = hostPath + ": longer than a script can be";
            return false;
        }
    }
    if (in.bad()) {
        error = hostPath + ": cannot be read";
        return false;
    }
    std::vector<THeadlessStep> steps;
    if (!ParseHeadlessScript(text, steps, error)) {
        error = hostPath + ": " + error;
        return false;
    }
    ScheduleHeadlessScript(backend, steps);
    return true;
}
