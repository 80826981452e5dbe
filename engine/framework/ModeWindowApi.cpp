// TModeWindowApi: the game-object deletion and the hover poke every mode window shares.
#include "ModeWindowApi.h"

#include "engine/framework/GameObject.h"
#include "engine/framework/ResponderList.h"

bool TModeWindowApi::DeleteGameObject(TGameObject* object) {
    if (object == nullptr)
        return false;
    delete object;
    return true;
}

void TModeWindowApi::PokeHoverResponder() {
    if (TResponderList* list = GetResponderList())
        list->SendToHover(JEK_HOVER_ENTER);
}
