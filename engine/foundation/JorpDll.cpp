// The library loader: use counting, binding, and the load-failure report from the string table.
#include "JorpDll.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpBase.h"
#include "platform/host/MessageBox.h"

TJorpDll::TJorpDll(const char* fileName, bool fatal)
    : FileName(fileName != nullptr ? fileName : ""), Fatal(fatal ? 1 : 0) {}

TJorpDll::~TJorpDll() {
    Unload();
}

bool TJorpDll::BindFunctions() {
    return true;
}
bool TJorpDll::UnbindFunctions() {
    return true;
}

bool TJorpDll::Attach() {
    if (!Loaded)
        Load();
    if (!Loaded)
        return false;
    ++UseCount;
    return true;
}

bool TJorpDll::Detach() {
    if (!Loaded)
        return true;
    if (UseCount > 0)
        --UseCount;
    if (UseCount == 0)
        Unload();
    return true;
}

bool TJorpDll::Reload() {
    const i16 users = UseCount;
    // The library's own use count is exact here, so unloading frees it once and only once.
    Unload();
    for (i16 i = 0; i < users; ++i) {
        if (!Attach()) {
            Unload();
            return false;
        }
    }
    return true;
}

bool TJorpDll::Load() {
    if (Loaded)
        return true;
    UseCount = 0;
    bool ok = LoadModule();
    if (ok)
        ok = BindFunctions();
    if (!ok)
        FreeModule();
    Loaded = ok ? 1 : 0;
    return ok;
}

bool TJorpDll::LoadModule() {
    if (Module != nullptr)
        return true;
    Module = LoadLibraryA(FileName);
    if (Module != nullptr) {
        LoadError = 0;
        return true;
    }
    LoadError = GetLastLoadError();
    return ShowLoadError();
}

bool TJorpDll::Unload() {
    if (!Loaded)
        return true;
    if (Module != nullptr)
        FreeModule();
    UnbindFunctions();
    Loaded = 0;
    return true;
}

bool TJorpDll::FreeModule() {
    if (Module == nullptr)
        return true;
    FreeLibrary(Module);
    Module = nullptr;
    return true;
}

bool TJorpDll::ShowLoadError() {
    std::string text;
    std::string caption;
    if (TEngineContext::Module == nullptr) {
        text = "During DLL load, couldn't find app ptr.";
        caption = "Error - DLL Load";
    } else {
        if (Module != nullptr)
            return true;
        std::string part;
        text = JorpLoadString(part, nullptr, 30035) + FileName + "\n" + GetErrorText();
        if (Fatal)
            text += "\n" + JorpLoadString(part, nullptr, 30036);
        JorpLoadString(caption, nullptr, 30034);
    }
    if (Fatal)
        FatalError(nullptr, text, caption, MB_OK);
    MessageBoxExA(nullptr, text, caption, MB_OK);
    return false;
}

std::string TJorpDll::GetErrorText() const {
    if (TEngineContext::Module == nullptr)
        return "Couldn't find app ptr";
    // The real cause of the last failure; codes past the table read as unknown.
    const u32 id = Module != nullptr ? 30033 : 30000 + (LoadError <= 32 ? LoadError : 1);
    std::string text;
    return JorpLoadString(text, nullptr, id);
}
