#include "shell/help_topics.h"

namespace solario {

int HelpTopic(HelpScreen screen, SearchRoute route) {
    const bool usage = route == SearchRoute::ByUsage;
    switch (screen) {
    case HelpScreen::Menu:
        return 10;
    case HelpScreen::SearchUsage:
        return 14;
    case HelpScreen::NameSelection:
        return 18;
    case HelpScreen::List:
        return usage ? 22 : 32;
    case HelpScreen::Detail:
        return usage ? 24 : 34;
    case HelpScreen::SearchName:
        return 28;
    case HelpScreen::Explanation:
        return 36;
    }
    return 0;
}

} // namespace solario
