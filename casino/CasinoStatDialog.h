// The maker of a gambler's statistics dialog, which the table game installs.
#pragma once

#include "platform/host/Types.h"

#include <functional>
#include <memory>

class TDialog;
class TPlayerMgr;
class TWindow;

// Makes the dialog for one record (-1 when the current seat has nobody) over the parent; the
// caller runs it modally and deletes it. Null makes nothing.
using TCasinoStatDialogFactory =
    std::function<std::unique_ptr<TDialog>(TWindow* parent, TPlayerMgr& players, i16 record)>;

// Empty uninstalls it: the engine's default box is shown then.
void SetCasinoStatDialogFactory(TCasinoStatDialogFactory factory);
const TCasinoStatDialogFactory& GetCasinoStatDialogFactory();
