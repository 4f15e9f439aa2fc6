#include "platform/help/HelpTopics.h"

namespace zarle {

QString HelpAnchor(const QString& keyword) {
    for (const HelpTopic& topic : HelpTopics)
        if (keyword.compare(topic.Keyword, Qt::CaseInsensitive) == 0) return topic.Anchor;
    return keyword.trimmed();
}

} // namespace zarle
