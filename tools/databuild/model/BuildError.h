// TBuildError: a fault found in the data set's content, naming the item it lies in.
#pragma once

#include <stdexcept>
#include <string>

class TBuildError : public std::runtime_error {
public:
    TBuildError(const std::string& item, const std::string& fault)
        : std::runtime_error(item + ": " + fault), Item(item) {}

    // The file, sprite or member at fault, as the data set names it.
    std::string Item;
};
