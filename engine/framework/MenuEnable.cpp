// TJorpMenuEnable: the engine's five menu flags.
#include "MenuEnable.h"

TJorpMenuEnable::TJorpMenuEnable(bool all) {
    if (all)
        TJorpMenuEnable::SetAll(true);
}

void TJorpMenuEnable::SetAll(bool enable) {
    Exit = enable;
    Sound = enable;
    Music = enable;
    About = enable;
    HelpContents = enable;
    SetAllExtra(enable);
}

void TJorpMenuEnable::SetAllExtra(bool) {}
