// What the completion box says of the entries a rebuild could not name.
#pragma once

#include <string>

#include "library/FolderWalk.h"

namespace plk {

// A paragraph (led by a blank line) that counts them and says why, or
// nothing when there were none.
std::string passedOverParagraph(const FolderWalk::PassedOver& passed);

}  // namespace plk
