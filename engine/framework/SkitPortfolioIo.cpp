// TSkitPortfolio: the "PORT" body in its four stored layouts, read whole or not at all.
#include "SkitPortfolio.h"

#include "engine/framework/GObjSk.h"
#include "engine/framework/SkitPortfolioList.h"

#include <vector>

namespace {

enum class TPortLayout { Names9, Names9Indexed, Strings, StringsAsStored };

// The fewest bytes one entry of a layout takes.
u32 MinEntryBytes(TPortLayout layout) {
    switch (layout) {
    case TPortLayout::Names9:
        return 9;
    case TPortLayout::Names9Indexed:
        return 11;
    default:
        // A string is its length word and at least its NUL; then the index.
        return 5;
    }
}

} // namespace

bool TSkitPortfolio::ReadBody() {
    TPortLayout layout;
    if (HeaderMajor == 1 && HeaderMinor == 0)
        layout = TPortLayout::Names9;
    else if (HeaderMajor == 1 && HeaderMinor == 1)
        layout = TPortLayout::Names9Indexed;
    else if (HeaderMajor == 2 && HeaderMinor == 0)
        layout = TPortLayout::Strings;
    else if (HeaderMajor == 2 && HeaderMinor == 4)
        layout = TPortLayout::StringsAsStored;
    else
        return false;

    // Older layouts store bare names, which live beside the game object's file.
    const auto placed = [this](const std::string& name) {
        if (name.empty())
            return name;
        TJorpFileName path =
            GameObject != nullptr ? GameObject->GetFileMode().Name : TJorpFileName();
        path.SetName(TJorpFileName(name));
        path.SetExtension(".sk");
        return path.GetText();
    };

    // Counts are checked against the bytes left before anything is made for them.
    i16 levels = 0;
    if (!ReadI16(levels) || levels < 0 || static_cast<u32>(levels) * 2 > GetReadPosition().Size)
        return false;
    std::vector<std::vector<TSkitPortfolioElement>> read(LEVELS);
    for (i16 l = 0; l < levels; ++l) {
        i16 count = 0;
        if (!ReadI16(count) || count < 0 ||
            static_cast<u32>(count) * MinEntryBytes(layout) > GetReadPosition().Size)
            return false;
        // Levels this engine does not have are read and dropped.
        std::vector<TSkitPortfolioElement>* kept =
            l < LEVELS ? &read[static_cast<size_t>(l)] : nullptr;
        for (i16 i = 0; i < count; ++i) {
            TSkitPortfolioElement element;
            bool ok;
            if (layout == TPortLayout::Names9 || layout == TPortLayout::Names9Indexed) {
                ok = ReadName9(element.Name);
                element.Name = placed(element.Name);
            } else {
                ok = ReadString(element.Name);
                if (layout == TPortLayout::Strings)
                    element.Name = placed(element.Name);
            }
            if (ok && layout != TPortLayout::Names9)
                ok = ReadU16(element.SkitIndex);
            if (!ok)
                return false;
            if (kept != nullptr)
                kept->push_back(std::move(element));
        }
    }
    for (i16 l = 0; l < LEVELS; ++l)
        for (const TSkitPortfolioElement& element : read[static_cast<size_t>(l)])
            if (!AddElement(l, element.Name, element.SkitIndex))
                return false;
    return true;
}

bool TSkitPortfolio::WriteBody() {
    if (!WriteI16(LEVELS))
        return false;
    for (const auto& level : Levels) {
        if (!WriteI16(level->GetCount()))
            return false;
        for (i16 i = 0; i < level->GetCount(); ++i) {
            const TSkitPortfolioElement* element = level->GetElement(i);
            if (element == nullptr || !WriteString(element->Name) || !WriteU16(element->SkitIndex))
                return false;
        }
    }
    return true;
}
