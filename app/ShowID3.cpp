// Shows an MP3 file's artist and title in the Song Tag popup before the file
// is opened. Until the tag reader and the popup exist it shows nothing.
#include "app/PlayButton.h"

namespace plk {

void TForm1::ShowID3(const std::string& path) { (void)path; }

}  // namespace plk
