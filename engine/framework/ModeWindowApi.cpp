// TModeWindowApi: the game-object deletion every mode window shares.
#include "ModeWindowApi.h"

#include "engine/framework/GameObject.h"

bool TModeWindowApi::DeleteGameObject(TGameObject* object) {
    if (object == nullptr)
        return false;
    delete object;
    return true;
}
