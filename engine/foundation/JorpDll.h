// TJorpDll: a library loaded by name at run time, bound, counted by its users and unloaded.
#pragma once

#include "platform/host/Library.h"
#include "platform/host/Types.h"

#include <string>

class TJorpDll {
public:
    TJorpDll(const char* fileName, bool fatal);
    virtual ~TJorpDll();
    TJorpDll(const TJorpDll&) = delete;
    TJorpDll& operator=(const TJorpDll&) = delete;

    // Looks up every entry point; false when one is missing.
    virtual bool BindFunctions();
    virtual bool UnbindFunctions();
    virtual bool Attach();
    virtual bool Detach();
    // Reports a failed load; with the fatal flag the process ends.
    virtual bool ShowLoadError();

    bool Reload();
    bool Load();
    bool Unload();
    bool LoadModule();
    bool FreeModule();
    std::string GetErrorText() const;

    bool IsLoaded() const { return Loaded != 0; }
    i16 GetUseCount() const { return UseCount; }
    const std::string& GetFileName() const { return FileName; }

protected:
    THostModule* GetModule() const { return Module; }

private:
    std::string FileName;
    THostModule* Module = nullptr;
    u8 Fatal;
    i16 UseCount = 0;
    u8 Loaded = 0;
    // Why the last load failed, as an old load error code; 0 after a load that worked.
    u32 LoadError = 0;
};
