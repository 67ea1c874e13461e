// The About window both programs open from their menu item 801.
#pragma once
#include <string_view>

namespace about {

// Opens the About window with the given description line and this project's mail address,
// and returns when it has been closed. While one is open, a second call brings it to the
// front and returns at once.
void ShowAbout(std::string_view description);
// The same with the mail address given; an empty mail draws no mail line.
void ShowAboutWithMail(std::string_view description, std::string_view mail);

} // namespace about
