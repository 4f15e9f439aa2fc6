#pragma once
// The keywords the windows' Help buttons pass, and the manual's topic each one opens.

#include <QString>

namespace zarle {

struct HelpTopic {
    const char* Keyword;
    const char* Anchor;
};

inline constexpr HelpTopic HelpTopics[] = {
    {"rules, changing the rules", "rules-changing"}, // the rules dialog
    {"customize", "comments"},                       // the comment-set editor
    {"Connect", "connect"},                          // the connect dialog of internet play
};

// The anchor of a keyword (any case); an unknown keyword is taken as an anchor of its own, and
// an empty one opens the contents.
QString HelpAnchor(const QString& keyword);

} // namespace zarle
