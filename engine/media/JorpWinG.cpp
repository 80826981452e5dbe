// The WinG binding: ten entry points looked up by name, one process-wide use-counted library.
#include "engine/media/JorpWinG.h"

namespace {

template <class F> bool Bind(THostModule* module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(GetProcAddress(module, name));
    return slot != nullptr;
}

} // namespace

TJorpWinG::TJorpWinG() : TJorpDll("wing32.dll", true) {
    UnbindFunctions();
}

TJorpWinG::~TJorpWinG() {
    // The base destructor unloads too, but by then this class's pointers are gone with it.
    Unload();
}

bool TJorpWinG::BindFunctions() {
    THostModule* module = GetModule();
    if (module == nullptr)
        return false;
    return Bind(module, "WinGCreateDC", WinGCreateDC) &&
           Bind(module, "WinGRecommendDIBFormat", WinGRecommendDIBFormat) &&
           Bind(module, "WinGCreateBitmap", WinGCreateBitmap) &&
           Bind(module, "WinGGetDIBPointer", WinGGetDIBPointer) &&
           Bind(module, "WinGGetDIBColorTable", WinGGetDIBColorTable) &&
           Bind(module, "WinGSetDIBColorTable", WinGSetDIBColorTable) &&
           Bind(module, "WinGCreateHalftonePalette", WinGCreateHalftonePalette) &&
           Bind(module, "WinGCreateHalftoneBrush", WinGCreateHalftoneBrush) &&
           Bind(module, "WinGBitBlt", WinGBitBlt) && Bind(module, "WinGStretchBlt", WinGStretchBlt);
}

bool TJorpWinG::UnbindFunctions() {
    WinGCreateDC = nullptr;
    WinGRecommendDIBFormat = nullptr;
    WinGCreateBitmap = nullptr;
    WinGGetDIBPointer = nullptr;
    WinGGetDIBColorTable = nullptr;
    WinGSetDIBColorTable = nullptr;
    WinGCreateHalftonePalette = nullptr;
    WinGCreateHalftoneBrush = nullptr;
    WinGBitBlt = nullptr;
    WinGStretchBlt = nullptr;
    return true;
}

bool TJorpWinG::LoadWinG() {
    if (Binding == nullptr)
        Binding = new TJorpWinG;
    if (Binding->Attach())
        return true;
    // A failed bind leaves the pointers half filled; only a null binding is trusted.
    delete Binding;
    Binding = nullptr;
    return false;
}

bool TJorpWinG::UnloadWinG(bool force) {
    if (Binding == nullptr)
        return true;
    Binding->Detach();
    if (Binding->IsLoaded() && force)
        Binding->Unload();
    if (!Binding->IsLoaded()) {
        delete Binding;
        Binding = nullptr;
    }
    return true;
}
