#pragma once
// The pictures behind the board's picture keys: card-bank keys ("face:14", "back:small"),
// compiled-in pictures (":/board/turn1.png") and picture files (avatars). Card and compiled-in
// pictures are converted for the screen once and kept.

#include <QPixmap>

#include <optional>
#include <string>
#include <unordered_map>

namespace zarle {

class CardPictureBank;

class PictureCache {
  public:
    explicit PictureCache(CardPictureBank& bank) : bank_(bank) {}

    // The picture of a key: a null picture for "", nothing when a file cannot be read.
    std::optional<QPixmap> Resolve(const std::string& key);
    // Whether the picture of a key is converted for the screen and kept.
    bool Holds(const std::string& key) const { return kept_.count(key) != 0; }
    // The banks hold other pictures now.
    void Clear() { kept_.clear(); }

  private:
    CardPictureBank& bank_;
    std::unordered_map<std::string, QPixmap> kept_;
};

} // namespace zarle
