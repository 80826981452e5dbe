// TSplashDlg: the picture for the screen's size.
#include "SplashDlg.h"

#include "resources/Resources.h"

#include "engine/foundation/EngineContext.h"

#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"

namespace {

u32 ChooseBitmap(i32 screenWidth, u32 largeId, u32 mediumId, u32 smallId) {
    if (screenWidth < 800)
        return smallId;
    if (screenWidth < 1024)
        return mediumId;
    return largeId;
}

} // namespace

TSplashDlg::TSplashDlg(u32 largeId, u32 mediumId, u32 smallId)
    : TBitmapDlg(nullptr, nullptr, nullptr, BDF_SIZETOBITMAP | BDF_NOCLICKCLOSE | BDF_OWNSBITMAP,
                 IDD_BITMAP) {
    const u32 id =
        ChooseBitmap(TDesktop::Get().GetSystemMetrics(SM_CXSCREEN), largeId, mediumId, smallId);
    const TModule fallback;
    const TModule* module = TApplication::GetCurrent();
    if (module == nullptr)
        module = TEngineContext::Module;
    SetBitmap(new TBitmap(module != nullptr ? *module : fallback, id));
}
