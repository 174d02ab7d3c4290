// Construction of the game object (every field takes its default in the class) and the
// game unit's page number.
#include "game/quilloncore.h"

int Page = kPageHand;

TQuillonCore::TQuillonCore() = default;
TQuillonCore::~TQuillonCore() = default;

TQuillon::TQuillon() = default;
TQuillon::~TQuillon() = default;
