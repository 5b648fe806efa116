// Shows an MP3 file's artist and title in the Song Tag popup before the file
// is opened. Until the Song Tag popup exists it shows nothing.
#include "app/PlayButton.h"

namespace plk {

void TForm1::ShowID3(const std::string& path) { (void)path; }

}  // namespace plk
