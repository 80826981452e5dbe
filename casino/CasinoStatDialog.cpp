// The installed maker of the statistics dialog.
#include "CasinoStatDialog.h"

#include <utility>

namespace {

TCasinoStatDialogFactory& Installed() {
    static TCasinoStatDialogFactory factory;
    return factory;
}

} // namespace

void SetCasinoStatDialogFactory(TCasinoStatDialogFactory factory) {
    Installed() = std::move(factory);
}

const TCasinoStatDialogFactory& GetCasinoStatDialogFactory() {
    return Installed();
}
