// Test support: a settings watcher that notes every write told as failed or kept elsewhere.
#pragma once

#include "platform/host/PrivateProfile.h"

#include <string>
#include <vector>

class TProfileWritesTold : public TProfileWriteWatcher {
public:
    TProfileWritesTold() { SetPrivateProfileWatcher(this); }
    ~TProfileWritesTold() override { SetPrivateProfileWatcher(nullptr); }
    TProfileWritesTold(const TProfileWritesTold&) = delete;
    TProfileWritesTold& operator=(const TProfileWritesTold&) = delete;

    void WriteFailed(const std::string& hostPath, const std::string& why) override {
        Failed.push_back(hostPath + ": " + why);
    }
    void WriteKept(const std::string& hostPath, const std::string& why,
                   const std::string& keptHostPath) override {
        Kept.push_back(hostPath + " " + why + " -> " + keptHostPath);
    }

    // "<host path>: <why>", each as told.
    std::vector<std::string> Failed;
    // "<host path> <why> -> <kept host path>", each as told.
    std::vector<std::string> Kept;
};
