// JorpPrintable: text from a data file made fit to show in a message box.
#pragma once

#include <string>

// Every byte outside printable ASCII (controls, DEL and bytes above 127) becomes its value in
// hex, as <0x1F>; the rest of the text is kept as it is.
std::string JorpPrintable(const std::string& text);
