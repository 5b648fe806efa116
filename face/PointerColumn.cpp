#include "face/PointerColumn.h"

namespace plk {

bool isInPointerColumn(const ButtonPlace& playButton, int playAgainTop, int x, int y) {
    return playButton.left <= x && x <= playButton.left + playButton.width && playAgainTop <= y &&
           y <= playButton.top + playButton.height;
}

}  // namespace plk
