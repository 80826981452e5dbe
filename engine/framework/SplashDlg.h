// TSplashDlg: the borderless picture in the middle of the screen while the program starts.
#pragma once

#include "BitmapDlg.h"

class TSplashDlg : public TBitmapDlg {
public:
    // Loads one of the three bitmaps from the application's module: below 800 pixels of
    // screen width the small one, below 1024 the medium one, else the large one. Without it
    // the splash is a plain dialog.
    TSplashDlg(u32 largeId, u32 mediumId, u32 smallId);
};
