// How a metadata reader of the FLAC, Ogg, MP4 and ASF formats stops: the
// file's structure contradicts itself, ends early, or passes one of the caps
// that keep the work bounded. It never leaves the entry point (SongTags):
// the file then shows no texts.
#pragma once

#include <stdexcept>

namespace plk {

class MetadataRefused : public std::runtime_error {
public:
    explicit MetadataRefused(const char* what) : std::runtime_error(what) {}
};

}  // namespace plk
