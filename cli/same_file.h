// Whether two output names reach one file.
#pragma once

#include <string>

// True when both names lead to one file that would get two contents: the
// same file to be replaced ("x.png" and "./x.png", or a link and its
// target), or the same FIFO or descriptor written in place. A character
// device written in place (/dev/null) may take any number of outputs, so two
// names of one device are not the same file here.
bool SameFile(const std::string& first, const std::string& second);
