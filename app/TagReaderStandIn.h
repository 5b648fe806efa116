// Stands in for the ID3v2 tag reader until it is part of the program: the
// Play button creates one at start and keeps it for the whole run.
#pragma once

namespace plk {

class Tid3v2tag {};

}  // namespace plk
