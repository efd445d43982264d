// The text a menu item shows, without its mnemonic marks and accelerator part.
#pragma once

#include <string>

// "&Beenden\tAlt-F4" gives "Beenden": everything from the first tab on is dropped, an ampersand
// is dropped and the character after it kept, so "&&" gives one "&".
std::string CleanMenuText(const std::string& text);
