// The external engines the player can choose: the list, found on the system when first needed.

#include "app/unit1.h"

TEngineList& TForm1::EngineList()
{
    if (!FEngineList) {
        FEngineList = new TEngineList(this);
        FEngineList->Discover(EngineSearch);
    }
    return *FEngineList;
}
