#include "lesson/screens.h"

#include "contiguous/contiguous_screen.h"
#include "indexed/indexed_screen.h"
#include "linked/linked_screen.h"

std::unique_ptr<Screen> makeScreen(ScreenId id, Share& share)
{
    switch (id) {
    case ScreenId::Contiguous: return std::make_unique<ContiguousScreen>(share);
    case ScreenId::Linked: return std::make_unique<LinkedScreen>(share);
    case ScreenId::IndexedL: return std::make_unique<IndexedScreen>(share, std::make_unique<LinkedIndexScheme>());
    case ScreenId::IndexedM: return std::make_unique<IndexedScreen>(share, std::make_unique<MultilevelIndexScheme>());
    }
    return nullptr;
}
