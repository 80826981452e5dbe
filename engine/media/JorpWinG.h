// TJorpWinG: the process's one binding of "wing32.dll", loaded by name and counted by its users.
#pragma once

#include "engine/foundation/JorpDll.h"
#include "platform/framework/draw/WinG.h"

class TJorpWinG : public TJorpDll {
public:
    TJorpWinG();
    ~TJorpWinG() override;

    // Every entry point by name, in order; false at the first that is missing.
    bool BindFunctions() override;
    bool UnbindFunctions() override;

    // Makes the binding when there is none and counts a use; false, and no binding left, when
    // an entry point is missing. A missing library ends the process (the binding is fatal).
    static bool LoadWinG();
    // Drops a use; with force the library goes even while others hold it. The binding is
    // deleted once the library is unloaded.
    static bool UnloadWinG(bool force);
    // The binding while WinG is loaded, else null.
    static TJorpWinG* Get() { return Binding; }

    TWinGCreateDC WinGCreateDC = nullptr;
    TWinGRecommendDIBFormat WinGRecommendDIBFormat = nullptr;
    TWinGCreateBitmap WinGCreateBitmap = nullptr;
    TWinGGetDIBPointer WinGGetDIBPointer = nullptr;
    TWinGGetDIBColorTable WinGGetDIBColorTable = nullptr;
    TWinGSetDIBColorTable WinGSetDIBColorTable = nullptr;
    TWinGCreateHalftonePalette WinGCreateHalftonePalette = nullptr;
    TWinGCreateHalftoneBrush WinGCreateHalftoneBrush = nullptr;
    TWinGBitBlt WinGBitBlt = nullptr;
    TWinGStretchBlt WinGStretchBlt = nullptr;

private:
    static inline TJorpWinG* Binding = nullptr;
};
