// The pictures a test writes for a person to compare by eye: in a folder of the test's own,
// kept only when the test has failed.
#pragma once

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

class TFailurePictures {
public:
    explicit TFailurePictures(const std::string& prefix) : Dir(prefix) {}
    ~TFailurePictures() {
        if (::testing::Test::HasFailure())
            Dir.Keep();
    }
    TFailurePictures(const TFailurePictures&) = delete;
    TFailurePictures& operator=(const TFailurePictures&) = delete;

    std::string File(const std::string& name) const { return (Dir.Path / name).string(); }

private:
    TScratchDir Dir;
};
