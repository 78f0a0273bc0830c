#pragma once

#include "data/search_conditions.h"

namespace solario {

// The screens with a help button.
enum class HelpScreen { Menu, Explanation, SearchUsage, NameSelection, SearchName, List, Detail };

// The help topic of a screen's help button (F1). The result list and the detail choose
// theirs by the route that led to them: the usage route, or else the name route.
int HelpTopic(HelpScreen screen, SearchRoute route = SearchRoute::None);

} // namespace solario
