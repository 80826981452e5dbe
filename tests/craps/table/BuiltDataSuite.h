// Test support: one data set built for a whole suite of program runs, which each copy it into a
// program folder of their own.
#pragma once

#include "../../tools/databuild/TestDataSet.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

template <class TBase> class TBuiltDataSuite : public TBase {
protected:
    static void SetUpTestSuite() {
        Built = std::make_unique<TTempDir>('q');
        std::string error;
        if (!PutDataSet(Built->Host("data"), error))
            Built.reset();
    }
    static void TearDownTestSuite() { Built.reset(); }
    // Null when the data set could not be built.
    static inline std::unique_ptr<TTempDir> Built;
};
